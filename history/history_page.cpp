#include "history/history_page.h"

#include "history/fetch_comparison.h"
#include "history/history_store.h"
#include "text/code_page.h"
#include "widgets/error_guard.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QTreeWidget>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr int SortKey = Qt::UserRole + 1;

// Rows that sort by what they hold: numbers and times as such, names as the user's language orders them.
class SortedItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, SortKey);
        const QVariant theirs = other.data(column, SortKey);
        if (mine.isValid() && theirs.isValid())
            return QVariant::compare(mine, theirs) == QPartialOrdering::Less;
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

QTreeWidget *reportList(const char *objectName, const QStringList &captions, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setHeaderLabels(captions);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setUniformRowHeights(true);
    list->header()->setStretchLastSection(false);
    return list;
}

QString shownTime(const QDateTime &utc)
{
    return utc.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

// "пришёл", "ушёл" or a list column's name, in the user's language.
QString changeName(const std::string &change)
{
    const QString name = fromCp1251(change);
    if (name == QStringLiteral("пришёл"))
        return HistoryPage::tr("пришёл");
    if (name == QStringLiteral("ушёл"))
        return HistoryPage::tr("ушёл");
    return QCoreApplication::translate("RosterLists", name.toUtf8().constData());
}

QString kindName(PageKind kind)
{
    return kind == PageKind::Talent ? HistoryPage::tr("Талант") : HistoryPage::tr("Умения");
}

} // namespace

HistoryPage::HistoryPage(QWidget *parent)
    : QWidget(parent),
      m_teams(
          reportList("historyTeams", {tr("Команда"), tr("Дивизион"), tr("Загрузок"), tr("Последняя")}, this)),
      m_fetches(reportList("historyFetches", {tr("Дата"), tr("Страница"), tr("Игроков")}, this)),
      m_changes(reportList("historyChanges", {tr("Игрок"), tr("Изменение"), tr("Было"), tr("Стало")}, this)),
      m_show(new QPushButton(tr("Показать"), this)), m_compare(new QPushButton(tr("Сравнить"), this)),
      m_chart(new QChartView(this))
{
    m_show->setObjectName(QStringLiteral("historyShowButton"));
    m_compare->setObjectName(QStringLiteral("historyCompareButton"));
    m_chart->setObjectName(QStringLiteral("playerChart"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_teams->setSortingEnabled(true);
    m_teams->sortByColumn(0, Qt::AscendingOrder);
    m_fetches->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (auto [list, widths] : {std::pair{m_teams, std::vector<int>{130, 100, 55, 100}},
                                std::pair{m_fetches, std::vector<int>{100, 60, 55}},
                                std::pair{m_changes, std::vector<int>{105, 62, 45, 45}}})
        for (size_t i = 0; i < widths.size(); ++i)
            list->setColumnWidth(static_cast<int>(i), widths[i]);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_teams, 0, 0, 1, 2);
    layout->addWidget(m_fetches, 1, 0, 1, 2);
    layout->addWidget(m_show, 2, 0);
    layout->addWidget(m_compare, 2, 1);
    layout->addWidget(m_changes, 0, 2, 3, 1);
    layout->addWidget(m_chart, 0, 3, 3, 1);
    layout->setColumnStretch(2, 4);
    layout->setColumnStretch(3, 3);

    connect(m_teams, &QTreeWidget::itemSelectionChanged, this,
            [this] { guarded([this] { showFetchesOfChosenTeam(); }); });
    connect(m_compare, &QPushButton::clicked, this, [this] { guarded([this] { compareChosenFetches(); }); });
    connect(m_changes, &QTreeWidget::itemSelectionChanged, this,
            [this] { guarded([this] { chartChosenChange(); }); });
    connect(m_show, &QPushButton::clicked, this, [this] {
        const QList<QTreeWidgetItem *> chosen = m_fetches->selectedItems();
        if (chosen.size() == 1)
            Q_EMIT showFetchRequested(chosen.front()->data(0, Qt::UserRole).toLongLong());
        else
            Q_EMIT problem(tr("Выберите одну загрузку."));
    });
}

void HistoryPage::guarded(const std::function<void()> &step)
{
    // A history that fails is told as a notice; anything else gets the error box.
    runGuarded([&] {
        try {
            step();
        } catch (const AppError &e) {
            Q_EMIT problem(fromCp1251(e.what()));
        }
    });
}

void HistoryPage::setStore(HistoryStore *store)
{
    m_store = store;
    refresh();
}

int32_t HistoryPage::chosenTeam() const
{
    const QTreeWidgetItem *item = m_teams->currentItem();
    return item && item->isSelected() ? item->data(0, Qt::UserRole).toInt() : 0;
}

void HistoryPage::refresh()
{
    guarded([this] {
        const int32_t chosen = chosenTeam();
        m_teams->setSortingEnabled(false);
        m_teams->clear();
        for (const StoredTeam &team : m_store ? m_store->teams() : std::vector<StoredTeam>{}) {
            auto *item = new SortedItem(m_teams);
            item->setText(0, fromCp1251(team.name));
            item->setText(1, fromCp1251(team.division));
            item->setText(2, QString::number(team.fetchCount));
            item->setText(3, shownTime(team.latest));
            item->setData(0, Qt::UserRole, team.teamId);
            item->setData(2, SortKey, team.fetchCount);
            item->setData(3, SortKey, team.latest);
            if (team.teamId == chosen)
                m_teams->setCurrentItem(item);
        }
        m_teams->setSortingEnabled(true);
    });
}

void HistoryPage::showFetchesOfChosenTeam()
{
    m_fetches->clear();
    m_changes->clear();
    const int32_t team = chosenTeam();
    if (!m_store || team == 0)
        return;
    for (const StoredFetch &fetch : m_store->fetchesOf(team)) {
        auto *item = new QTreeWidgetItem(m_fetches);
        item->setText(0, shownTime(fetch.fetchedAt));
        item->setText(1, kindName(fetch.kind));
        item->setText(2, QString::number(fetch.playerCount));
        item->setData(0, Qt::UserRole, QVariant::fromValue<qint64>(fetch.id));
    }
}

void HistoryPage::compareChosenFetches()
{
    QList<QTreeWidgetItem *> chosen = m_fetches->selectedItems();
    std::optional<StoredPage> pages[2];
    if (chosen.size() == 2 && m_store) {
        // Newest first in the list: the lower row is the older fetch.
        std::sort(chosen.begin(), chosen.end(), [this](auto *a, auto *b) {
            return m_fetches->indexOfTopLevelItem(a) > m_fetches->indexOfTopLevelItem(b);
        });
        for (int i = 0; i < 2; ++i)
            pages[i] = m_store->page(chosen[i]->data(0, Qt::UserRole).toLongLong());
    }
    if (!pages[0] || !pages[1] || pages[0]->kind != pages[1]->kind) {
        Q_EMIT problem(tr("Выберите две загрузки одной страницы: «Талант» или «Умения»."));
        return;
    }
    m_changes->clear();
    for (const FetchChange &change : compareFetches(*pages[0], *pages[1])) {
        auto *item = new QTreeWidgetItem(m_changes);
        item->setText(0, fromCp1251(change.player));
        item->setText(1, changeName(change.change));
        item->setText(2, fromCp1251(change.before));
        item->setText(3, fromCp1251(change.after));
        item->setData(0, Qt::UserRole, QByteArray::fromStdString(change.player));
        item->setData(1, Qt::UserRole, QByteArray::fromStdString(change.country));
    }
    m_changes->setProperty("team", pages[1]->teamId);
}

void HistoryPage::chartChosenChange()
{
    const QTreeWidgetItem *item = m_changes->currentItem();
    if (!item || !item->isSelected())
        return;
    chartPlayer(m_changes->property("team").toInt(), item->data(0, Qt::UserRole).toByteArray().toStdString(),
                item->data(1, Qt::UserRole).toByteArray().toStdString());
}

void HistoryPage::showPlayer(int32_t teamId, const std::string &name, const std::string &country)
{
    refresh();
    for (int i = 0; i < m_teams->topLevelItemCount(); ++i)
        if (m_teams->topLevelItem(i)->data(0, Qt::UserRole).toInt() == teamId)
            m_teams->setCurrentItem(m_teams->topLevelItem(i));
    guarded([&] { chartPlayer(teamId, name, country); });
}

void HistoryPage::chartPlayer(int32_t teamId, const std::string &name, const std::string &country)
{
    auto *chart = new QChart;
    chart->setTitle(fromCp1251(name));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *talent = new QLineSeries;
    auto *mastery = new QLineSeries;
    talent->setName(tr("Талант"));
    mastery->setName(tr("Мастерство"));
    for (const SeriesPoint &point :
         m_store ? m_store->playerSeries(teamId, name, country) : std::vector<SeriesPoint>{}) {
        const auto x = static_cast<qreal>(point.fetchedAt.toMSecsSinceEpoch());
        talent->append(x, point.talent);
        mastery->append(x, point.mastery);
    }
    chart->addSeries(talent);
    chart->addSeries(mastery);
    auto *dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("dd.MM"));
    dates->setTickCount(4);
    chart->addAxis(dates, Qt::AlignBottom);
    auto *talentAxis = new QValueAxis;
    talentAxis->setRange(0, 9);
    chart->addAxis(talentAxis, Qt::AlignLeft);
    auto *masteryAxis = new QValueAxis;
    chart->addAxis(masteryAxis, Qt::AlignRight);
    talent->attachAxis(dates);
    talent->attachAxis(talentAxis);
    mastery->attachAxis(dates);
    mastery->attachAxis(masteryAxis);
    QChart *previous = m_chart->chart();
    m_chart->setChart(chart);
    delete previous;
}
