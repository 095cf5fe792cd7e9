#include "settings/settings_dialog.h"

#include "settings/settings_store.h"
#include "text/code_page.h"
#include "ui_settings_dialog.h"
#include "widgets/error_guard.h"

#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace {

const QString separatorKey = QStringLiteral("separator");
const QString useProxyKey = QStringLiteral("UseProxy");
const QString loginKey = QStringLiteral("ProxyLogin");
const QString passwordKey = QStringLiteral("ProxyPasswd");
const QString serverKey = QStringLiteral("ProxyServer");
const QString portKey = QStringLiteral("ProxyPort");
const QString saveIdKey = QStringLiteral("SaveID");
const QString saveManagerKey = QStringLiteral("SaveManager");
const QString saveMoneyKey = QStringLiteral("SaveMoney");
const QString saveCoSPKey = QStringLiteral("SaveCoSP");

// The tabs look like a row of flat buttons, the open page's button pressed in.
const QString flatTabs = QStringLiteral(
    "QTabBar::tab { border: 1px solid transparent; border-radius: 2px; padding: 3px 10px; margin: 1px 2px; }"
    "QTabBar::tab:selected { border-color: palette(dark); background: palette(midlight); }"
    "QTabBar::tab:hover:!selected { border-color: palette(mid); }");

} // namespace

TForm3::TForm3(QWidget *parent)
    : CentredDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    // The generated form class stays inside this file: its header is only seen by this library.
    Ui::TForm3 ui;
    ui.setupUi(this);
    PageControl1 = ui.PageControl1;
    CheckBox1 = ui.CheckBox1;
    proxylogin = ui.proxylogin;
    proxypasswd = ui.proxypasswd;
    proxyserver = ui.proxyserver;
    proxyport = ui.proxyport;
    separ = ui.separ;
    IDCheckbox = ui.IDCheckbox;
    ManCheckbox = ui.ManCheckbox;
    MoneyCheckbox = ui.MoneyCheckbox;
    CoSPCheckbox = ui.CoSPCheckbox;
    BitBtn1 = ui.BitBtn1;
    BitBtn2 = ui.BitBtn2;

    setFont(windowFont());
    PageControl1->setStyleSheet(flatTabs);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    setFixedSize(size().expandedTo(minimumSizeHint()));

    connect(CheckBox1, &QCheckBox::toggled, this, [this] { runGuarded([this] { CheckBox1Click(); }); });
    // Typing adds nothing beyond one character, yet a longer separator from the store stays whole: the
    // limit follows the text down as it is shortened and never drops below one.
    connect(separ, &QLineEdit::textChanged, this,
            [this](const QString &text) { separ->setMaxLength(std::max<qsizetype>(1, text.size())); });
    // The modal result is set whatever the handler does, as a failing handler still closes the dialog.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        runGuarded([this] { BitBtn1Click(); });
        accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, [this] {
        runGuarded([this] { BitBtn2Click(); });
        reject();
    });

    runGuarded([this] { FormCreate(); });
    m_shown = shownValues();
}

bool TForm3::LoadSettings()
{
    SettingsStore store;
    if (!store.sectionHasValues())
        return false;
    showSeparator(store.readText(separatorKey, QStringLiteral("_")));
    CheckBox1->setChecked(store.readFlag(useProxyKey, false));
    proxylogin->setText(store.readText(loginKey, QString()));
    proxypasswd->setText(store.readText(passwordKey, QString()));
    proxyserver->setText(store.readText(serverKey, QString()));
    proxyport->setText(store.readText(portKey, QString()));
    IDCheckbox->setChecked(store.readFlag(saveIdKey, false));
    ManCheckbox->setChecked(store.readFlag(saveManagerKey, false));
    MoneyCheckbox->setChecked(store.readFlag(saveMoneyKey, false));
    CoSPCheckbox->setChecked(store.readFlag(saveCoSPKey, true));
    return true;
}

void TForm3::SaveSettings()
{
    SettingsStore store;
    store.writeText(separatorKey, separ->text());
    store.writeFlag(useProxyKey, CheckBox1->isChecked());
    store.writeFlag(saveIdKey, IDCheckbox->isChecked());
    store.writeFlag(saveManagerKey, ManCheckbox->isChecked());
    store.writeFlag(saveMoneyKey, MoneyCheckbox->isChecked());
    store.writeFlag(saveCoSPKey, CoSPCheckbox->isChecked());
    // An unticked proxy leaves the stored proxy values for the day it is ticked again.
    if (CheckBox1->isChecked()) {
        store.writeText(loginKey, proxylogin->text());
        store.writeText(passwordKey, proxypasswd->text());
        store.writeText(serverKey, proxyserver->text());
        store.writeText(portKey, proxyport->text());
    }
    store.close();
}

ExportOptions TForm3::exportOptions() const
{
    return {toCp1251(separ->text()), ManCheckbox->isChecked(), IDCheckbox->isChecked(),
            MoneyCheckbox->isChecked(), CoSPCheckbox->isChecked()};
}

ProxyChoice TForm3::proxyChoice() const
{
    return {CheckBox1->isChecked(), toCp1251(proxyserver->text()), toCp1251(proxyport->text()),
            proxylogin->text().toStdString(), proxypasswd->text().toStdString()};
}

void TForm3::FormCreate() { LoadSettings(); }

void TForm3::BitBtn1Click() { SaveSettings(); }

void TForm3::BitBtn2Click()
{
    if (!LoadSettings())
        restoreShown();
}

void TForm3::FormClose() { SaveSettings(); }

void TForm3::CheckBox1Click()
{
    const bool use = CheckBox1->isChecked();
    for (QLineEdit *edit : {proxylogin, proxypasswd, proxyserver, proxyport})
        edit->setEnabled(use);
}

void TForm3::done(int result)
{
    runGuarded([this] { FormClose(); });
    QDialog::done(result);
}

void TForm3::showEvent(QShowEvent *event)
{
    m_shown = shownValues();
    CentredDialog::showEvent(event);
}

void TForm3::keyPressEvent(QKeyEvent *event)
{
    // Esc is the Cancel button, so it reloads like a click on it rather than only closing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

TForm3::Shown TForm3::shownValues() const
{
    return {separ->text(),
            CheckBox1->isChecked(),
            proxylogin->text(),
            proxypasswd->text(),
            proxyserver->text(),
            proxyport->text(),
            IDCheckbox->isChecked(),
            ManCheckbox->isChecked(),
            MoneyCheckbox->isChecked(),
            CoSPCheckbox->isChecked()};
}

void TForm3::restoreShown()
{
    showSeparator(m_shown.separator);
    CheckBox1->setChecked(m_shown.useProxy);
    proxylogin->setText(m_shown.login);
    proxypasswd->setText(m_shown.password);
    proxyserver->setText(m_shown.server);
    proxyport->setText(m_shown.port);
    IDCheckbox->setChecked(m_shown.saveId);
    ManCheckbox->setChecked(m_shown.saveManager);
    MoneyCheckbox->setChecked(m_shown.saveMoney);
    CoSPCheckbox->setChecked(m_shown.saveCoSP);
}

void TForm3::showSeparator(const QString &text)
{
    separ->setMaxLength(std::max<qsizetype>(1, text.size())); // before the text, or it would be cut
    separ->setText(text);
}
