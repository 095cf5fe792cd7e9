#include "settings/settings_dialog.h"

#include "settings/analysis_options.h"
#include "text/app_error.h"
#include "ui_settings_dialog.h"
#include "widgets/error_guard.h"

#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QListWidget>
#include <QSpinBox>
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
    // The form's members carry the object names, the outside contract; this code goes by what they are.
    m_controls.pageTabs = m_ui->PageControl1;
    m_controls.okButton = m_ui->BitBtn1;
    m_controls.cancelButton = m_ui->BitBtn2;
    m_controls.useProxyCheck = m_ui->CheckBox1;
    m_controls.separatorEdit = m_ui->separ;
    m_controls.proxyLoginEdit = m_ui->proxylogin;
    m_controls.proxyPasswordEdit = m_ui->proxypasswd;
    m_controls.proxyServerEdit = m_ui->proxyserver;
    m_controls.proxyPortEdit = m_ui->proxyport;
    m_controls.managerCheck = m_ui->ManCheckbox;
    m_controls.idCheck = m_ui->IDCheckbox;
    m_controls.moneyCheck = m_ui->MoneyCheckbox;
    m_controls.additionsCheck = m_ui->CoSPCheckbox;
    setFont(windowFont());
    m_controls.pageTabs->setStyleSheet(flatTabs);
    m_controls.pageTabs->setUsesScrollButtons(false); // every page's tab in sight, so the dialog fits them
    m_controls.okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_controls.cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_ui->watchPagesCombo->addItem(tr("Обе: талант и умения"), static_cast<int>(WatchPages::Both));
    m_ui->watchPagesCombo->addItem(tr("Только талант"), static_cast<int>(WatchPages::Talent));
    m_ui->watchPagesCombo->addItem(tr("Только умения"), static_cast<int>(WatchPages::Abilities));
    setFixedSize(size().expandedTo(minimumSizeHint()));

    connect(m_controls.useProxyCheck, &QCheckBox::toggled, this,
            [this] { runGuarded([this] { onUseProxyToggled(); }); });
    connect(m_ui->keepMonthsSpin, &QSpinBox::valueChanged, this,
            [this] { runGuarded([this] { showKeptFetches(); }); });
    connect(m_ui->unwatchDivisionButton, &QPushButton::clicked, this,
            [this] { runGuarded([this] { onUnwatchClicked(); }); });
    // Typing adds nothing beyond one character, yet a longer separator from the store stays whole: the
    // limit follows the text down as it is shortened and never drops below one.
    connect(m_controls.separatorEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_controls.separatorEdit->setMaxLength(std::max<qsizetype>(1, text.size()));
    });
    // The modal result is set whatever the handler does, as a failing handler still closes the dialog.
    connect(m_controls.okButton, &QPushButton::clicked, this, [this] {
        runGuarded([this] { onOkClicked(); });
        accept();
    });
    connect(m_controls.cancelButton, &QPushButton::clicked, this, [this] {
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
    showWatchOptions(loadWatchOptions(store));
    m_ownTeam = loadOwnTeam(store);
    showOwnTeam();
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
    if (store.readable()) {
        saveHistoryOptions(store, historyOptions());
        saveWatchOptions(store, shownWatchOptions());
        const OwnTeam own = shownOwnTeam();
        saveOwnTeam(store, own);
        if (!(own == std::exchange(m_ownTeam, own)))
            Q_EMIT ownTeamChanged(own);
    }
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

void SettingsDialog::setKeptFetchesCounter(KeptFetchesCounter counter)
{
    m_countKept = std::move(counter);
    showKeptFetches();
}

void SettingsDialog::showKeptFetches()
{
    const int months = m_ui->keepMonthsSpin->value();
    const std::optional<KeptFetches> count = m_countKept ? m_countKept(months) : std::nullopt;
    QString text;
    if (count && months == 0)
        text = tr("Хранятся все загрузки: %1.").arg(count->kept);
    else if (count && count->removed == 0)
        text = tr("Хранится загрузок: %1.").arg(count->kept);
    else if (count)
        text =
            tr("Хранится загрузок: %1, будет удалено при запуске: %2.").arg(count->kept).arg(count->removed);
    m_ui->keptFetchesLabel->setText(text);
}

PruneAnswer SettingsDialog::pruneAnswer() const { return loadPruneAnswer(SettingsStore()); }

void SettingsDialog::keepPruneAnswer(const PruneAnswer &answer)
{
    SettingsStore store;
    savePruneAnswer(store, answer);
}

WatchOptions SettingsDialog::watchOptions() const { return loadWatchOptions(SettingsStore()); }

void SettingsDialog::setDivisionWatched(int32_t divisionId, bool watched)
{
    SettingsStore store;
    WatchOptions options = loadWatchOptions(store);
    std::vector<int32_t> &ids = options.divisionIds;
    const auto found = std::find(ids.begin(), ids.end(), divisionId);
    if (watched == (found != ids.end()))
        return;
    if (watched)
        ids.push_back(divisionId);
    else
        ids.erase(found);
    saveWatchOptions(store, options);
    store.close();
    m_watched = ids; // the page lists what is stored; the dialog is closed while the board changes it
    showWatchedDivisions();
}

void SettingsDialog::setDivisionNamer(DivisionNamer namer)
{
    m_nameDivision = std::move(namer);
    showWatchedDivisions();
}

void SettingsDialog::showWatchOptions(const WatchOptions &options)
{
    m_watched = options.divisionIds;
    showWatchedDivisions();
    m_ui->watchIntervalSpin->setValue(options.intervalDays);
    m_ui->watchPagesCombo->setCurrentIndex(
        std::max(0, m_ui->watchPagesCombo->findData(static_cast<int>(options.pages))));
}

void SettingsDialog::showWatchedDivisions()
{
    QListWidget *list = m_ui->watchedDivisionsList;
    list->clear();
    for (const int32_t id : m_watched) {
        const QString name = m_nameDivision ? m_nameDivision(id) : QString();
        list->addItem(name.isEmpty() ? tr("Дивизион %1 (нет в каталоге)").arg(id) : name);
    }
    m_ui->unwatchDivisionButton->setEnabled(!m_watched.empty());
}

WatchOptions SettingsDialog::shownWatchOptions() const
{
    WatchOptions options;
    options.divisionIds = m_watched;
    options.intervalDays = m_ui->watchIntervalSpin->value();
    options.pages = static_cast<WatchPages>(m_ui->watchPagesCombo->currentData().toInt());
    return options;
}

void SettingsDialog::onUnwatchClicked()
{
    const int row = m_ui->watchedDivisionsList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_watched.size()))
        return;
    m_watched.erase(m_watched.begin() + row);
    showWatchedDivisions();
    m_ui->watchedDivisionsList->setCurrentRow(std::min(row, static_cast<int>(m_watched.size()) - 1));
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
    const bool use = m_controls.useProxyCheck->isChecked();
    for (QLineEdit *edit : {m_controls.proxyLoginEdit, m_controls.proxyPasswordEdit,
                            m_controls.proxyServerEdit, m_controls.proxyPortEdit})
        edit->setEnabled(use);
}

void SettingsDialog::done(int result)
{
    runGuarded([this] { saveSettings(); });
    QDialog::done(result);
}

void SettingsDialog::setTeamChoices(TeamChoices choices)
{
    m_teamChoices = std::move(choices);
    m_teamsListed = false;
}

void SettingsDialog::showOwnTeam()
{
    QComboBox *teams = m_ui->ownTeamCombo;
    // The catalogue's teams are listed the first time the page can be seen, not at every start.
    if (!m_teamsListed && m_teamChoices) {
        m_teamsListed = true;
        teams->clear();
        teams->addItem(tr("— не выбрана —"), 0);
        for (const auto &[name, id] : m_teamChoices())
            teams->addItem(name, id);
        auto *completer = teams->completer();
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
    }
    const int index = teams->findData(m_ownTeam.teamId);
    if (index >= 0)
        teams->setCurrentIndex(index);
    else if (m_ownTeam.teamId != 0) // a team the catalogue does not list keeps its identifier
        teams->setEditText(QString::number(m_ownTeam.teamId));
    m_ui->ownSchoolLevelSpin->setValue(m_ownTeam.schoolLevel);
    m_ui->ownCoachLevelSpin->setValue(m_ownTeam.coachLevel);
}

OwnTeam SettingsDialog::shownOwnTeam() const
{
    const QComboBox *teams = m_ui->ownTeamCombo;
    OwnTeam own{m_ownTeam.teamId, m_ui->ownSchoolLevelSpin->value(), m_ui->ownCoachLevelSpin->value()};
    // The entry whose name the box shows; a text that names none leaves the team as it was.
    const int index = teams->findText(teams->currentText());
    if (index >= 0)
        own.teamId = teams->itemData(index).toInt();
    return own;
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    m_shown = shownValues();
    CentredDialog::showEvent(event);
    runGuarded([this] { showOwnTeam(); });
    runGuarded(
        [this] { showWatchOptions(loadWatchOptions(SettingsStore())); }); // the board may have changed it
    runGuarded([this] { showKeptFetches(); });                            // the history may have grown since
}

void SettingsDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc is the Cancel button, so it reloads like a click on it rather than only closing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_controls.cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

SettingsValues SettingsDialog::shownValues() const
{
    SettingsValues values;
    values.separator = m_controls.separatorEdit->text();
    values.useProxy = m_controls.useProxyCheck->isChecked();
    values.proxyLogin = m_controls.proxyLoginEdit->text();
    values.proxyPassword = m_controls.proxyPasswordEdit->text();
    values.proxyServer = m_controls.proxyServerEdit->text();
    values.proxyPort = m_controls.proxyPortEdit->text();
    values.saveId = m_controls.idCheck->isChecked();
    values.saveManager = m_controls.managerCheck->isChecked();
    values.saveMoney = m_controls.moneyCheck->isChecked();
    values.saveCoSP = m_controls.additionsCheck->isChecked();
    return values;
}

void SettingsDialog::showValues(const SettingsValues &values)
{
    showSeparator(values.separator);
    m_controls.useProxyCheck->setChecked(values.useProxy);
    m_controls.proxyLoginEdit->setText(values.proxyLogin);
    m_controls.proxyPasswordEdit->setText(values.proxyPassword);
    m_controls.proxyServerEdit->setText(values.proxyServer);
    m_controls.proxyPortEdit->setText(values.proxyPort);
    m_controls.idCheck->setChecked(values.saveId);
    m_controls.managerCheck->setChecked(values.saveManager);
    m_controls.moneyCheck->setChecked(values.saveMoney);
    m_controls.additionsCheck->setChecked(values.saveCoSP);
}

void SettingsDialog::showSeparator(const QString &text)
{
    m_controls.separatorEdit->setMaxLength(
        std::max<qsizetype>(1, text.size())); // before the text, or it would be cut
    m_controls.separatorEdit->setText(text);
}
