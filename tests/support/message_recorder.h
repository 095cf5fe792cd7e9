#pragma once

#include "widgets/messages.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <vector>

// Records every box, answers the save dialog with a preset name, and never blocks.
// Installed for the life of the object.
class MessageRecorder : public Messages {
public:
    struct Box {
        QString kind; // "information", "error" or "question"
        QString caption;
        QString text;
    };

    MessageRecorder() { installMessages(this); }
    ~MessageRecorder() override { installMessages(nullptr); }

    void information(const QString &caption, const QString &text) override
    {
        boxes.push_back({QStringLiteral("information"), caption, text});
        if (onBox)
            onBox();
    }
    void error(const QString &caption, const QString &text) override
    {
        boxes.push_back({QStringLiteral("error"), caption, text});
        if (onBox)
            onBox();
    }
    bool question(const QString &caption, const QString &text) override
    {
        boxes.push_back({QStringLiteral("question"), caption, text});
        if (onBox)
            onBox();
        return questionAnswer;
    }
    QString saveFileName(QWidget *, const QString &directory, const QString &filter,
                         const QString &defaultSuffix) override
    {
        saveDialogs.push_back({directory, filter, defaultSuffix});
        return saveAnswer;
    }
    void openUrl(const QUrl &url) override { openedUrls.push_back(url); }

    struct SaveDialog {
        QString directory;
        QString filter;
        QString defaultSuffix;
    };

    std::vector<Box> boxes;
    std::vector<SaveDialog> saveDialogs;
    std::vector<QUrl> openedUrls;
    QString saveAnswer;
    bool questionAnswer = false;
    std::function<void()> onBox; // runs while a box would be open
};
