// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers the operator's dialogs from scripted queues and records what was shown.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text;
        QString detail;
    };

    QList<bool> yesNoAnswers;         // taken from the front; No when empty
    QList<Answer> yesNoCancelAnswers; // taken from the front; Cancel when empty
    QStringList openPaths;            // taken from the front; cancelled when empty
    QStringList savePaths;
    QList<Shown> questions;
    QList<Shown> told;
    QStringList openFilters;
    QStringList saveFilters;
    QStringList saveStarts; // the path each save dialog opened at

    bool askYesNo(const QString& title, const QString& text) override
    {
        questions.append({title, text, {}});
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.takeFirst();
    }
    Answer askYesNoCancel(const QString& title, const QString& text) override
    {
        questions.append({title, text, {}});
        return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.takeFirst();
    }
    void tell(const QString& title, const QString& text, const QString& detail = {}) override
    {
        told.append({title, text, detail});
    }
    QString chooseOpenFile(const QString& filter) override
    {
        openFilters << filter;
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QString chooseSaveFile(const QString& filter) override { return chooseSaveFileAt(filter, {}); }
    QString chooseSaveFileAt(const QString& filter, const QString& current) override
    {
        saveFilters << filter;
        saveStarts << current;
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
};
