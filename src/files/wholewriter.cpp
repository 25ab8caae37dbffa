// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wholewriter.h"

#include <QFile>

WholeWriter::WholeWriter(QFile& file)
    : m_file(file)
{
    QIODevice::open(QIODevice::WriteOnly);
}

qint64 WholeWriter::readData(char* /*data*/, qint64 /*maxSize*/)
{
    return -1;
}

qint64 WholeWriter::writeData(const char* data, qint64 size)
{
    for (qint64 written = 0; written < size;) {
        const qint64 n = m_file.write(data + written, size - written);
        if (n <= 0) {
            m_failure = m_file.errorString();
            setErrorString(m_failure);
            return -1;
        }
        written += n;
    }
    return size;
}
