#include "history/search_page.h"

#include "export/list_exports.h"
#include "history/search_model.h"
#include "history/search_runner.h"
#include "text/code_page.h"
#include "view/roster_lists.h"
#include "widgets/error_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

namespace {

template <class T> T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

QLabel *labelFor(QWidget *buddy, const QString &text)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

// The positions the game knows, offered first; any other can be typed.
const char *const knownPositions[] = {"Gk", "Df", "DMf", "Mf", "AMf", "Fw"};

enum DivisionScope { AllDivisions, ChosenDivision };

} // namespace

SearchPage::SearchPage(QWidget *parent)
    : QWidget(parent), m_model(new SearchModel(this)), m_runner(new SearchRunner(this))
{
    buildControls();
    wire();
}

SearchPage::~SearchPage() = default;

void SearchPage::buildControls()
{
    m_name = named(new QLineEdit(this), "searchNameEdit");
    m_name->setClearButtonEnabled(true);
    m_name->setPlaceholderText(tr("часть имени"));
    m_position = named(new QComboBox(this), "searchPositionCombo");
    m_position->setEditable(true);
    m_position->setInsertPolicy(QComboBox::NoInsert);
    m_position->addItem(tr("Все"));
    for (const char *position : knownPositions)
        m_position->addItem(QString::fromLatin1(position));
    m_maxAge = named(new QSpinBox(this), "searchAgeMaxSpin");
    m_maxAge->setRange(0, 99);
    m_maxAge->setSpecialValueText(tr("любой"));
    m_minTalent = named(new QDoubleSpinBox(this), "searchTalentMinSpin");
    m_minMastery = named(new QDoubleSpinBox(this), "searchMasteryMinSpin");
    for (QDoubleSpinBox *spin : {m_minTalent, m_minMastery}) {
        spin->setRange(0, 99);
        spin->setDecimals(2);
        spin->setSingleStep(0.5);
        spin->setSpecialValueText(tr("любой"));
    }
    m_country = named(new QLineEdit(this), "searchCountryEdit");
    m_country->setClearButtonEnabled(true);
    m_divisions = named(new QComboBox(this), "searchDivisionsCombo");
    m_divisions->addItem(tr("Все дивизионы"), AllDivisions);
    m_divisions->addItem(tr("Выбранный дивизион"), ChosenDivision);
    m_everyWeek = named(new QCheckBox(tr("Все сохранённые недели"), this), "searchEveryWeekCheck");
    m_everyWeek->setToolTip(tr("Иначе — только последняя страница каждой команды"));
    m_searchButton = named(new QPushButton(tr("Искать"), this), "searchButton");
    m_csvButton = named(new QPushButton(tr("Сохранить CSV…"), this), "searchCsvButton");
    m_results = named(new QTreeView(this), "searchResults");
    setUpReportList(m_results, m_model, {130, 100, 40, 40, 50, 55, 130, 110, 75});
    m_results->header()->setSortIndicator(-1, Qt::AscendingOrder); // the order found until a click
    m_results->setSortingEnabled(true);
    m_status = named(new QLabel(this), "searchStatusLabel");
    m_status->setTextFormat(Qt::PlainText);

    // Three filters a line, so the page is no wider than the board beside it.
    auto *filters = new QGridLayout;
    const auto place = [&](QWidget *field, const QString &caption, int row, int pair) {
        filters->addWidget(labelFor(field, caption), row, 2 * pair);
        filters->addWidget(field, row, 2 * pair + 1);
    };
    place(m_name, tr("Имя:"), 0, 0);
    place(m_position, tr("Позиция:"), 0, 1);
    place(m_maxAge, tr("Возраст до:"), 0, 2);
    place(m_country, tr("Страна:"), 1, 0);
    place(m_minTalent, tr("Талант от:"), 1, 1);
    place(m_minMastery, tr("Маст. от:"), 1, 2);
    filters->addWidget(m_everyWeek, 2, 0, 1, 2);
    place(m_divisions, tr("Где:"), 2, 1);
    filters->removeWidget(m_divisions);
    filters->addWidget(m_divisions, 2, 3, 1, 3);
    // The texts take most of a wider window; the numbers only enough for «любой» and their arrows.
    filters->setColumnStretch(1, 4);
    filters->setColumnStretch(3, 1);
    filters->setColumnStretch(5, 1);
    auto *commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(m_searchButton);
    commands->addWidget(m_csvButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addLayout(filters);
    layout->addLayout(commands);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_status);
}

void SearchPage::wire()
{
    connect(m_searchButton, &QPushButton::clicked, this, [this] { runGuarded([this] { search(); }); });
    connect(m_csvButton, &QPushButton::clicked, this, [this] { runGuarded([this] { onCsvClicked(); }); });
    connect(m_results, &QTreeView::doubleClicked, this,
            [this](const QModelIndex &index) { runGuarded([&] { onResultChosen(index.row()); }); });
    connect(m_runner, &SearchRunner::found, this, [this](std::shared_ptr<const SearchResults> results) {
        runGuarded([&] { showResults(std::move(results)); });
    });
    connect(m_runner, &SearchRunner::failed, this, [this](const QString &why) {
        m_status->setText(tr("Поиск не удался."));
        Q_EMIT problem(why);
    });
}

void SearchPage::keyPressEvent(QKeyEvent *event)
{
    // Enter in the results is theirs (it opens nothing here, but must not search again).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !m_results->hasFocus()) {
        runGuarded([this] { search(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SearchPage::searchOnView(PlayerSearch &search)
{
    if (m_historyPath.isEmpty()) {
        m_status->setText(tr("История не ведётся: искать негде."));
        return false;
    }
    search.namePart = m_name->text().trimmed();
    const QString position = m_position->currentText().trimmed();
    if (position != m_position->itemText(0))
        search.position = toCp1251(position);
    if (m_maxAge->value() > m_maxAge->minimum())
        search.oldestAge = m_maxAge->value();
    if (m_minTalent->value() > m_minTalent->minimum())
        search.lowestTalent = m_minTalent->value();
    if (m_minMastery->value() > m_minMastery->minimum())
        search.lowestMastery = m_minMastery->value();
    search.countryPart = m_country->text().trimmed();
    search.everyWeek = m_everyWeek->isChecked();
    if (m_divisions->currentData().toInt() == ChosenDivision) {
        const DivisionChoice choice = m_divisionChoice ? m_divisionChoice() : DivisionChoice{};
        if (choice.teamIds.empty()) {
            m_status->setText(tr("Выберите дивизион справа или ищите во всех."));
            return false;
        }
        search.teamIds = choice.teamIds;
    }
    return true;
}

void SearchPage::search()
{
    PlayerSearch search;
    if (!searchOnView(search))
        return;
    m_status->setText(tr("Поиск…"));
    m_runner->search(m_historyPath, search);
}

void SearchPage::showResults(std::shared_ptr<const SearchResults> results)
{
    const size_t count = results->players.size();
    m_model->setResults(std::move(results));
    m_status->setText(tr("Найдено игроков: %1").arg(count));
}

void SearchPage::onResultChosen(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const FoundPlayer &found = m_model->player(row);
    Q_EMIT playerChosen(found.teamId, found.player.name, found.player.country);
}

void SearchPage::onCsvClicked()
{
    saveCsvFile(this, m_model->rowCount() == 0, [this] { return m_model->csv(); });
}
