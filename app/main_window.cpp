#include "app/main_window.h"

#include "analysis/level_keys.h"
#include "analysis/talent_projection.h"
#include "app/about_dialog.h"
#include "widgets/error_guard.h"
#include "widgets/messages.h"
#include "widgets/window_look.h"
#include "catalogue/catalogue.h"
#include "export/division_file_name.h"
#include "retrieval/page_extraction.h"
#include "retrieval/roster_request.h"
#include "settings/settings_dialog.h"
#include "text/code_page.h"
#include "text/markers.h"
#include "text/numbers.h"
#include "view/row_texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCollator>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QValidator>

namespace {

void appendRow(QTreeWidget *list, const std::vector<std::string> &texts)
{
    auto *item = new QTreeWidgetItem(list);
    for (size_t column = 0; column < texts.size(); ++column)
        item->setText(static_cast<int>(column), fromCp1251(texts[column]));
}

void setColumns(QTreeWidget *list, const QStringList &captions, const std::vector<int> &widths)
{
    list->setColumnCount(static_cast<int>(captions.size()));
    list->setHeaderLabels(captions);
    for (size_t i = 0; i < widths.size(); ++i)
        list->setColumnWidth(static_cast<int>(i), widths[i]);
    list->header()->setStretchLastSection(false);
}

// Accepts only what a level edit may hold: nothing, or one of "1", "2", "3".
class LevelValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return isLevelText(input) ? Acceptable : Invalid; }
};

// The window takes no input while the network is waited on; the cursor says so.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

const QString notChosen = QStringLiteral("Не выбрана команда.");

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setFont(windowFont());
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(796, 329 + MainMenu1->sizeHint().height());

    setColumns(ListView1,
               {QStringLiteral("Имя"), QStringLiteral("Страна"), QStringLiteral("Поз"),
                QStringLiteral("Возр"), QStringLiteral("Маст"), QStringLiteral("Талант")},
               {130, 100, 50, 50, 50, 50});
    setColumns(ListView2,
               {QStringLiteral("Имя"), QStringLiteral("Поз"), QStringLiteral("Возр"), QStringLiteral("Маст"),
                QStringLiteral("От"), QStringLiteral("Оп"), QStringLiteral("Др"), QStringLiteral("Пм"),
                QStringLiteral("Вн"), QStringLiteral("Пс"), QStringLiteral("Сл"), QStringLiteral("Тч")},
               {110, 32, 37, 45, 45, 45, 45, 45, 45, 45, 45, 45});
    setColumns(
        ListView3,
        {QStringLiteral("№"), QStringLiteral("Трен"), QStringLiteral("Балл"), QStringLiteral("Талант")},
        {60, 100, 100, 100});
    ListView3->header()->setSectionsClickable(false);
    ComboBox2->setEditText(QStringLiteral("Выберите дивизион"));
    // A caption frame whose title sits on its border, so the two buttons inside stay clear of it.
    RadioGroup1->setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(alant1);

    wireCommands();
    runGuarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::wireCommands()
{
    const auto guarded = [this](auto member) {
        return [this, member] { runGuarded([this, member] { (this->*member)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm1::Button1Click));
    connect(N2, &QAction::triggered, this, guarded(&TForm1::N2Click));
    connect(N4, &QAction::triggered, this, guarded(&TForm1::N4Click));
    connect(N5, &QAction::triggered, this, guarded(&TForm1::N5Click));
    connect(About1, &QAction::triggered, this, guarded(&TForm1::About1Click));
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { runGuarded([&] { ComboBox1Select(index); }); });
    connect(UpDown1, &TUpDown::changing, this,
            [this](bool &allow) { runGuarded([&] { UpDown1Changing(allow); }); });
    connect(alant1, &QAction::triggered, this, guarded(&TForm1::alant1Click));
    for (QTreeWidget *list : {ListView1, ListView2}) {
        list->header()->setSectionsClickable(true);
        connect(list->header(), &QHeaderView::sectionClicked, this,
                [this, list](int column) { runGuarded([&] { ListView1ColumnClick(list, column); }); });
    }
    for (QLineEdit *level : {LabeledEdit1, LabeledEdit2}) {
        level->installEventFilter(this);
        // Pasted or dropped text is held to the same levels as typed keys.
        level->setValidator(new LevelValidator(level));
    }
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { runGuarded([&] { ListView1ContextPopup(pos); }); });
}

void TForm1::FormCreate()
{
    ClientDataSet1.loadFromFile("divisions.cds");
    for (const CatalogueEntry &division : readDivisions(ClientDataSet1))
        ComboBox1->addItem(fromCp1251(division.name), division.id);
    ClientDataSet1.loadFromFile("teams.cds");
}

void TForm1::ComboBox1Select(int)
{
    ComboBox2->clear();
    ComboBox2->clearEditText();
    std::vector<CatalogueEntry> teams = readTeamsOfDivision(ClientDataSet1, ComboBox1->currentData().toInt());
    // The team selector lists names as the user's language orders them.
    QCollator collator(QLocale::system());
    std::vector<std::pair<QString, int32_t>> entries;
    for (const CatalogueEntry &team : teams)
        entries.emplace_back(fromCp1251(team.name), team.id);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const auto &a, const auto &b) { return collator.compare(a.first, b.first) < 0; });
    for (const auto &[name, id] : entries)
        ComboBox2->addItem(name, id);
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->clearEditText();
}

void TForm1::ListView1ColumnClick(QTreeWidget *list, int column)
{
    const SortRequest request = m_sort.headerClick(column, toCp1251(list->headerItem()->text(column)));
    std::vector<SortRow> rows;
    std::vector<QTreeWidgetItem *> items;
    while (list->topLevelItemCount() > 0) {
        QTreeWidgetItem *item = list->takeTopLevelItem(0);
        SortRow row;
        for (int c = 0; c < list->columnCount(); ++c)
            row.push_back(toCp1251(item->text(c)));
        rows.push_back(std::move(row));
        items.push_back(item);
    }
    for (const size_t index : sortedOrder(rows, request))
        list->addTopLevelItem(items[index]);
}

void TForm1::alant1Click()
{
    const QTreeWidgetItem *row = ListView1->currentItem();
    if (!row)
        return;
    ListView3->clear();
    Label13->setText(TeamVal->text());
    Label14->setText(row->text(0));
    Label15->setText(QStringLiteral("Мастерство: ") + row->text(4));
    Label16->setText(QStringLiteral("Талант: ") + row->text(5));
    const ProjectionResult result = projectTalent(
        toCp1251(row->text(4)), toCp1251(row->text(5)), [this] { return toCp1251(LabeledEdit1->text()); },
        [this] { return toCp1251(LabeledEdit2->text()); });
    for (const ProjectionRow &step : result.rows) {
        if (step.tren.empty())
            appendRow(ListView3, {step.number});
        else
            appendRow(ListView3, {step.number, step.tren, step.ball, step.talant});
    }
    result.rethrowFailure();
    if (result.stoppedNoGrowth)
        messages().information(noGrowthCaption(), noGrowthText());
}

bool TForm1::LabeledEdit1KeyPress(const QKeyEvent &key) const
{
    // Keys that type nothing (arrows, Tab, Delete) work as usual; a typed character must be a level.
    const QString text = key.text();
    return text.isEmpty() || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete ||
           (text.size() == 1 && isLevelKey(text.at(0).unicode()));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == LabeledEdit1 || watched == LabeledEdit2) && event->type() == QEvent::KeyPress)
        return !LabeledEdit1KeyPress(*static_cast<QKeyEvent *>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::N5Click()
{
    if (m_settings) {
        m_settings->setCentreOver(this);
        m_settings->exec();
    }
}

void TForm1::About1Click()
{
    if (m_about) {
        m_about->setCentreOver(this);
        m_about->exec();
    }
}

ExportOptions TForm1::exportOptions() const
{
    if (!m_settings)
        return {};
    return {toCp1251(m_settings->separ->text()), m_settings->ManCheckbox->isChecked(),
            m_settings->IDCheckbox->isChecked(), m_settings->MoneyCheckbox->isChecked(),
            m_settings->CoSPCheckbox->isChecked()};
}

bool TForm1::RequestPage(int32_t teamId, const std::string &pageSuffix)
{
    // The proxy comes from the Settings dialog's controls as they stand now. A port that is not a
    // number ends the call before anything is sent.
    bool viaProxy = false;
    std::string proxyHost;
    int32_t proxyPort = 0;
    if (m_settings && m_settings->CheckBox1->isChecked()) {
        proxyHost = toCp1251(m_settings->proxyserver->text());
        proxyPort = readInteger(toCp1251(m_settings->proxyport->text()));
        viaProxy = !proxyHost.empty();
    }
    const ServerAddress server = rosterServerAddress();
    const std::string request = buildRosterRequest(server, teamId, pageSuffix, viaProxy);
    RosterExchange exchange(m_timeouts);
    const bool usablePort = !viaProxy || (proxyPort > 0 && proxyPort <= 65535);
    bool succeeded = false;
    {
        const WaitCursor waiting;
        succeeded =
            usablePort && exchange.run(viaProxy ? proxyHost : server.host,
                                       viaProxy ? static_cast<uint16_t>(proxyPort) : server.port, request);
    }
    if (succeeded) {
        PageText = exchange.reply().body();
        Label1->setText(QString::number(PageText.size()));
        addCounter(Label4, static_cast<int64_t>(PageText.size()));
        return true;
    }
    messages().information(QStringLiteral(":/"), QStringLiteral("Произошла ошибка"));
    size_t drained = 0;
    {
        const WaitCursor waiting;
        drained = exchange.drainRest();
    }
    Label1->setText(QString::number(drained));
    addCounter(Label4, static_cast<int64_t>(exchange.reply().statusLine().size() +
                                            exchange.reply().location().size()));
    return false;
}

void TForm1::addCounter(QLabel *label, int64_t amount)
{
    label->setText(QString::number(readInteger(toCp1251(label->text())) + amount));
}

bool TForm1::GetData(int32_t teamId, const std::string &pageSuffix)
{
    if (!Cdivision->isChecked() && ComboBox2->currentText().isEmpty()) {
        messages().information(QStringLiteral("Ошибка"), notChosen);
        return false;
    }
    Button1->setEnabled(false);
    const auto enableAgain = qScopeGuard([this] { Button1->setEnabled(true); });

    if (!RequestPage(teamId, pageSuffix))
        return false;
    switch (detectFailurePage(PageText)) {
    case FailurePage::TeamNotFound:
        messages().information(QStringLiteral("Команда не найдена"),
                               QStringLiteral("Неправильно указан ИД."));
        return false;
    case FailurePage::Maintenance:
        messages().information(QStringLiteral("Ахтунг"),
                               QStringLiteral("На сайте проводится обновление данных."));
        return false;
    case FailurePage::None:
        break;
    }

    const std::string workingCopy = PageText;
    std::string_view w = workingCopy;
    const TeamSummary summary = extractSummary(w);
    showSummary(summary);

    const PageKind kind = pageKindOfSuffix(pageSuffix);
    CTeam *team = m_history.findByTeamId(teamId);
    const bool filled = team && (kind == PageKind::Talent ? team->TalCount : team->SkillCount) > 0;
    if (!team)
        team = &appendSnapshot(summaryOnView(), teamId);
    if (!filled)
        readRows(w, kind, *team);
    // The view always ends showing one snapshot, so the labels and lists never mix two teams.
    ReAdd(*team);
    return true;
}

void TForm1::showSummary(const TeamSummary &s)
{
    const std::pair<QLabel *, const std::string *> labels[] = {
        {TeamVal, &s.Name},       {IDval, &s.ID},        {Manval, &s.Manager},  {RangVal, &s.Rang},
        {CityVal, &s.City},       {StadVal, &s.Stadium}, {DivVal, &s.Division}, {MoneyVal, &s.Money},
        {PlayersVal, &s.Players}, {CoSPVal, &s.CoSP},    {PowerVal, &s.Power},  {VisRatVal, &s.VisRat}};
    for (const auto &[label, text] : labels)
        label->setText(fromCp1251(*text));
}

TeamSummary TForm1::summaryOnView() const
{
    return {toCp1251(TeamVal->text()), toCp1251(IDval->text()),    toCp1251(Manval->text()),
            toCp1251(RangVal->text()), toCp1251(CityVal->text()),  toCp1251(StadVal->text()),
            toCp1251(DivVal->text()),  toCp1251(MoneyVal->text()), toCp1251(PlayersVal->text()),
            toCp1251(CoSPVal->text()), toCp1251(PowerVal->text()), toCp1251(VisRatVal->text())};
}

CTeam &TForm1::appendSnapshot(const TeamSummary &summary, int32_t teamId)
{
    CTeam &team = m_history.append(summary, teamId);
    if (m_history.TeamCount == 2)
        UpDown1->setEnabled(true);
    UpDown1->setMaximum(m_history.TeamCount - 1);
    return team;
}

void TForm1::readRows(std::string_view &w, PageKind kind, CTeam &team)
{
    if (MarkerPos("info.php?id=", w) <= 0)
        return;
    QTreeWidget *list = kind == PageKind::Talent ? ListView1 : ListView2;
    list->clear();
    // Records reach the snapshot only when the whole page converted, so a failed read can be
    // fetched again later.
    std::vector<std::unique_ptr<CPlayerTal>> talents;
    std::vector<std::unique_ptr<CPlayerSkill>> skills;
    while (const auto row = cutNextRow(w, kind)) {
        appendRow(list, row->cells);
        if (kind == PageKind::Talent)
            talents.push_back(talentRecordOf(*row));
        else
            skills.push_back(skillRecordOf(*row));
    }
    for (auto &player : talents)
        AddTal(team, std::move(player));
    for (auto &player : skills)
        AddSkill(team, std::move(player));
}

void TForm1::ReAdd(const CTeam &team)
{
    showSummary(team.summary());
    ListView1->clear();
    ListView2->clear();
    for (const auto &player : team.Tal)
        appendRow(ListView1, talentRowTexts(*player));
    for (const auto &player : team.Skill)
        appendRow(ListView2, skillRowTexts(*player));
}

void TForm1::UpDown1Changing(bool &allowChange)
{
    allowChange = true;
    const int position = UpDown1->position();
    if (position >= 0 && position < m_history.TeamCount)
        ReAdd(m_history.at(position));
}

QTreeWidget *TForm1::listOfActivePage() const
{
    return PageControl1->currentIndex() == 0 ? ListView1 : ListView2;
}

void TForm1::SaveData(const QString &fileName)
{
    QTreeWidget *list = listOfActivePage();
    if (list->topLevelItemCount() == 0)
        return;
    ExportView view;
    view.labels = summaryOnView();
    view.kind = list == ListView1 ? PageKind::Talent : PageKind::Abilities;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        std::vector<std::string> row;
        for (int column = 0; column < list->columnCount(); ++column)
            row.push_back(toCp1251(item->text(column)));
        view.rows.push_back(std::move(row));
    }
    appendToFile(fileName, buildTeamBlock(view, exportOptions()));
}

void TForm1::Button1Click()
{
    const std::string suffix = RadioTal->isChecked() ? "" : abilitiesSuffix;
    if (Cdivision->isChecked()) {
        runDivision();
        return;
    }
    const int index = ComboBox2->currentIndex();
    if (index < 0 || ComboBox2->itemText(index) != ComboBox2->currentText()) {
        messages().information(QStringLiteral("Ошибка"), notChosen);
        return;
    }
    GetData(ComboBox2->itemData(index).toInt(), suffix);
}

void TForm1::runDivision()
{
    if (ComboBox2->count() == 0) {
        messages().information(QStringLiteral("Ошибка"), notChosen);
        return;
    }
    ProgressBar1->setRange(0, ComboBox2->count());
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    const auto hide = qScopeGuard([this] { ProgressBar1->setVisible(false); });
    // The entries are read afresh for every team: a division chosen while a message box is open
    // applies to the rest of the run.
    for (int i = 0; i < ComboBox2->count(); ++i) {
        const bool talent = RadioTal->isChecked();
        PageControl1->setCurrentIndex(talent ? 0 : 1);
        const bool read = GetData(ComboBox2->itemData(i).toInt(), talent ? "" : abilitiesSuffix);
        // A team whose page never arrived is not saved: the view still shows the previous team.
        if (read)
            SaveData(divisionFileName(QDate::currentDate(), QLocale::system(), ComboBox1->currentText()));
        ProgressBar1->setValue(i + 1);
        ProgressBar1->repaint();
    }
}

void TForm1::N2Click()
{
    if (listOfActivePage()->topLevelItemCount() == 0) {
        messages().information(QStringLiteral(":\\"), QStringLiteral("Сохранять нечего :("));
        return;
    }
    const QString fileName = messages().saveFileName(
        this, QDir::currentPath(), QStringLiteral("Text file (*.txt)"), QStringLiteral("txt"));
    if (fileName.isEmpty())
        return;
    // Like the file dialog of old, the chosen folder becomes the working directory.
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
    SaveData(QFileInfo(fileName).absoluteFilePath());
}

void TForm1::N4Click() { close(); }

void TForm1::ListView1ContextPopup(const QPoint &pos)
{
    const QTreeWidgetItem *item = ListView1->currentItem();
    alant1->setEnabled(item && item->isSelected());
    PopupMenu1->popup(ListView1->viewport()->mapToGlobal(pos));
}
