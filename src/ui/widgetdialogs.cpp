// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgetdialogs.h"

#include "texts/filetexts.h"
#include "texts/picturetexts.h"
#include "ui/lightingdialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

bool WidgetDialogs::askYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Answer WidgetDialogs::askYesNoCancel(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void WidgetDialogs::tell(const QString& title, const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, m_parent);
    box.setDetailedText(detail);
    box.exec();
}

QString WidgetDialogs::chooseOpenFile(const QString& filter)
{
    return remembered(
        filter, QFileDialog::getOpenFileName(m_parent, QString(), startFolder(filter), qtFilter(filter)));
}

QString WidgetDialogs::chooseSaveFile(const QString& filter)
{
    return chooseSaveFileAt(filter, {});
}

QString WidgetDialogs::chooseSaveFileAt(const QString& filter, const QString& current)
{
    const QString start = current.isEmpty() ? startFolder(filter) : current;
    return remembered(filter, QFileDialog::getSaveFileName(m_parent, QString(), start, qtFilter(filter)));
}

std::optional<PictureLighting::Choice> WidgetDialogs::choose(const QImage& picture)
{
    return LightingDialog::ask(picture, m_parent);
}

RecentPlaces::Kind WidgetDialogs::kindOf(const QString& filter)
{
    return filter == FileTexts::projectFilter() ? RecentPlaces::Kind::Projects : RecentPlaces::Kind::Pictures;
}

QString WidgetDialogs::startFolder(const QString& filter) const
{
    return m_places ? m_places->folder(kindOf(filter)) : QString();
}

QString WidgetDialogs::remembered(const QString& filter, const QString& chosen)
{
    if (m_places && !chosen.isEmpty())
        m_places->setFolder(kindOf(filter), QFileInfo(chosen).absolutePath());
    return chosen;
}

QString WidgetDialogs::qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(filesName(filter),
                                                 QString(parts[i + 1]).replace(u';', u' '));
    return filters.join(QStringLiteral(";;"));
}

// The filters' own shown texts already hold their patterns, which Qt's dialogs add once more, and
// name pictures in English whatever the language; the dialogs name the files themselves.
QString WidgetDialogs::filesName(const QString& filter)
{
    if (filter == FileTexts::projectFilter())
        return QCoreApplication::translate("WidgetDialogs", "設定ファイル");
    if (filter == PictureTexts::exportFilter())
        return QCoreApplication::translate("WidgetDialogs", "BMP 画像");
    return QCoreApplication::translate("WidgetDialogs", "画像ファイル");
}
