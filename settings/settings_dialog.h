#pragma once

#include "export/export_options.h"
#include "retrieval/proxy_choice.h"
#include "widgets/window_look.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The Settings dialog. Its controls are the live settings: the roster request reads CheckBox1 and the
// proxy edits, the export reads separ and the four flags, always at the moment of use. The store is
// read when the dialog is built and on Cancel, and written by OK and by every close.
class TForm3 : public CentredDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The controls, built from settings_dialog.ui, under their object names.
    QTabWidget *PageControl1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLineEdit *proxylogin = nullptr;
    QLineEdit *proxypasswd = nullptr;
    QLineEdit *proxyserver = nullptr;
    QLineEdit *proxyport = nullptr;
    QLineEdit *separ = nullptr;
    QCheckBox *IDCheckbox = nullptr;
    QCheckBox *ManCheckbox = nullptr;
    QCheckBox *MoneyCheckbox = nullptr;
    QCheckBox *CoSPCheckbox = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

    // The live values, read from the controls at the moment of asking.
    ExportOptions exportOptions() const;
    ProxyChoice proxyChoice() const;

    // Reads the store into the controls; when the section holds nothing, every control keeps its
    // state. Returns whether there was anything to read.
    bool LoadSettings();
    // Writes the controls to the store; the proxy values only while "Использовать" is ticked.
    void SaveSettings();

    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void FormClose();
    void CheckBox1Click();

public Q_SLOTS:
    // Runs FormClose once for every close, whichever way the dialog closes.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // What the controls showed when the dialog appeared: Cancel puts it back when the store holds
    // nothing to reload, so a first-run Cancel does not keep the edits.
    struct Shown {
        QString separator;
        bool useProxy = false;
        QString login, password, server, port;
        bool saveId = false, saveManager = false, saveMoney = false, saveCoSP = false;
    };
    Shown shownValues() const;
    void restoreShown();
    void showSeparator(const QString &text);

    Shown m_shown;
};
