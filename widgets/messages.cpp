#include "widgets/messages.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class RealMessages : public Messages {
public:
    void information(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText); // texts may quote a page: shown as they are
        box.exec();
    }
    void error(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    bool question(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No); // Enter alone does not drop anything
        return box.exec() == QMessageBox::Yes;
    }
    QString saveFileName(QWidget *owner, const QString &directory, const QString &filter,
                         const QString &defaultSuffix) override
    {
        QFileDialog dialog(owner, QString(), directory, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        // Saving appends, so choosing an existing file is not a question of overwriting it.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    void openUrl(const QUrl &url) override { QDesktopServices::openUrl(url); }
};

RealMessages realMessages;
Messages *current = &realMessages;

} // namespace

Messages &messages() { return *current; }

void installMessages(Messages *replacement) { current = replacement ? replacement : &realMessages; }
