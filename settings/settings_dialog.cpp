#include "settings/settings_dialog.h"

#include "text/app_error.h"
#include "ui_settings_dialog.h"
#include "widgets/error_guard.h"

#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

// The tabs look like a row of flat buttons, the open page's button pressed in.
const QString flatTabs = QStringLiteral(
    "QTabBar::tab { border: 1px solid transparent; border-radius: 2px; padding: 3px 10px; margin: 1px 2px; }"
    "QTabBar::tab:selected { border-color: palette(dark); background: palette(midlight); }"
    "QTabBar::tab:hover:!selected { border-color: palette(mid); }");

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : CentredDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_ui(std::make_unique<Ui::SettingsDialog>())
{
    m_ui->setupUi(this);
    setFont(windowFont());
    m_ui->PageControl1->setStyleSheet(flatTabs);
    m_ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    setFixedSize(size().expandedTo(minimumSizeHint()));

    connect(m_ui->CheckBox1, &QCheckBox::toggled, this,
            [this] { runGuarded([this] { onUseProxyToggled(); }); });
    // Typing adds nothing beyond one character, yet a longer separator from the store stays whole: the
    // limit follows the text down as it is shortened and never drops below one.
    connect(m_ui->separ, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_ui->separ->setMaxLength(std::max<qsizetype>(1, text.size())); });
    // The modal result is set whatever the handler does, as a failing handler still closes the dialog.
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, [this] {
        runGuarded([this] { onOkClicked(); });
        accept();
    });
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, [this] {
        runGuarded([this] { onCancelClicked(); });
        reject();
    });

    runGuarded([this] {
        loadSettings();
        reportLoadProblem();
    });
    m_shown = shownValues();
}

SettingsDialog::~SettingsDialog() = default;

bool SettingsDialog::loadSettings()
{
    m_loadProblem.clear();
    SettingsStore store;
    const HistoryOptions history = loadHistoryOptions(store);
    m_ui->keepHistoryCheck->setChecked(history.keep);
    m_ui->keepMonthsSpin->setValue(history.keepMonths);
    LoadedSettings loaded;
    try {
        loaded = loadSettingsValues(store);
    } catch (const InputOutputError &error) {
        // Nothing stored is known, so no key is written over until its control is changed.
        m_loadProblem = error.what();
        m_unreadKeys = settingKeys();
        m_loaded = shownValues();
        return false;
    }
    m_unreadKeys = loaded.unreadKeys;
    if (!loaded.found)
        return false;
    showValues(loaded.values);
    m_loaded = loaded.values;
    if (!m_unreadKeys.isEmpty())
        m_loadProblem = unreadKeysMessage(m_unreadKeys);
    return true;
}

void SettingsDialog::reportLoadProblem()
{
    if (m_loadProblem.empty())
        return;
    const std::string problem = std::exchange(m_loadProblem, {});
    throw AppError(problem);
}

void SettingsDialog::saveSettings()
{
    const SettingsValues now = shownValues();
    const QStringList keep = keysStillUnread(m_unreadKeys, m_loaded, now);
    SettingsStore store;
    if (store.readable())
        saveHistoryOptions(store, historyOptions());
    saveSettingsValues(store, now, keep);
    m_unreadKeys = keep; // the others hold what the user set now
}

ExportOptions SettingsDialog::exportOptions() const { return exportOptionsOf(shownValues()); }

ProxyChoice SettingsDialog::proxyChoice() const { return proxyChoiceOf(shownValues()); }

HistoryOptions SettingsDialog::historyOptions() const
{
    return {m_ui->keepHistoryCheck->isChecked(), m_ui->keepMonthsSpin->value()};
}

void SettingsDialog::setHistoryPath(const QString &path)
{
    m_ui->historyPathLabel->setText(tr("Файл: %1").arg(path));
}

void SettingsDialog::onOkClicked() { saveSettings(); }

void SettingsDialog::onCancelClicked()
{
    if (!loadSettings()) {
        showValues(m_shown);
        m_loaded = m_shown;
    }
    reportLoadProblem();
}

void SettingsDialog::onUseProxyToggled()
{
    const bool use = m_ui->CheckBox1->isChecked();
    for (QLineEdit *edit : {m_ui->proxylogin, m_ui->proxypasswd, m_ui->proxyserver, m_ui->proxyport})
        edit->setEnabled(use);
}

void SettingsDialog::done(int result)
{
    runGuarded([this] { saveSettings(); });
    QDialog::done(result);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    m_shown = shownValues();
    CentredDialog::showEvent(event);
}

void SettingsDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc is the Cancel button, so it reloads like a click on it rather than only closing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_ui->BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

SettingsValues SettingsDialog::shownValues() const
{
    SettingsValues values;
    values.separator = m_ui->separ->text();
    values.useProxy = m_ui->CheckBox1->isChecked();
    values.proxyLogin = m_ui->proxylogin->text();
    values.proxyPassword = m_ui->proxypasswd->text();
    values.proxyServer = m_ui->proxyserver->text();
    values.proxyPort = m_ui->proxyport->text();
    values.saveId = m_ui->IDCheckbox->isChecked();
    values.saveManager = m_ui->ManCheckbox->isChecked();
    values.saveMoney = m_ui->MoneyCheckbox->isChecked();
    values.saveCoSP = m_ui->CoSPCheckbox->isChecked();
    return values;
}

void SettingsDialog::showValues(const SettingsValues &values)
{
    showSeparator(values.separator);
    m_ui->CheckBox1->setChecked(values.useProxy);
    m_ui->proxylogin->setText(values.proxyLogin);
    m_ui->proxypasswd->setText(values.proxyPassword);
    m_ui->proxyserver->setText(values.proxyServer);
    m_ui->proxyport->setText(values.proxyPort);
    m_ui->IDCheckbox->setChecked(values.saveId);
    m_ui->ManCheckbox->setChecked(values.saveManager);
    m_ui->MoneyCheckbox->setChecked(values.saveMoney);
    m_ui->CoSPCheckbox->setChecked(values.saveCoSP);
}

void SettingsDialog::showSeparator(const QString &text)
{
    m_ui->separ->setMaxLength(std::max<qsizetype>(1, text.size())); // before the text, or it would be cut
    m_ui->separ->setText(text);
}
