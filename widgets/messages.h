#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Every modal message, the save dialog and the desktop's "open" go through this seam, so the windows
// can be driven by tests without blocking on a real box.
class Messages {
public:
    virtual ~Messages() = default;
    // Boxes have an OK button and no owner window, and are application-modal on purpose: while one is
    // open no window takes input, so nothing re-enters a fetch or a division run. Texts are plain.

    // Information box.
    virtual void information(const QString &caption, const QString &text) = 0;
    // Error box.
    virtual void error(const QString &caption, const QString &text) = 0;
    // Question box with «Да» and «Нет», «Нет» the default; true for «Да».
    virtual bool question(const QString &caption, const QString &text) = 0;
    // Save-file dialog; an empty result means the user cancelled.
    virtual QString saveFileName(QWidget *owner, const QString &directory, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    // Asks the desktop to open a web address; failures are not reported.
    virtual void openUrl(const QUrl &url) = 0;
};

// The seam in use: real boxes and dialogs unless a test installed its own.
Messages &messages();
// Installs a replacement (nullptr restores the real one); the caller keeps ownership.
void installMessages(Messages *replacement);
