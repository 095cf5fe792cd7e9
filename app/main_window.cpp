#include "app/main_window.h"

#include "analysis/projection_page.h"
#include "analysis/talent_projection.h"
#include "app/about_dialog.h"
#include "board/board_page.h"
#include "catalogue/catalogue_selectors.h"
#include "history/history_keeper.h"
#include "history/history_page.h"
#include "retrieval/page_reader.h"
#include "settings/settings_dialog.h"
#include "text/code_page.h"
#include "ui_main_window.h"
#include "widgets/error_guard.h"
#include "widgets/messages.h"
#include "widgets/window_look.h"

#include <QCloseEvent>
#include <QMenu>

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TForm1>()), m_keeper(std::make_unique<HistoryKeeper>())
{
    setFont(windowFont());
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(796, 329 + m_ui->MainMenu1->sizeHint().height());
    centreOnScreen(this);

    m_main = new MainPage(*m_ui, this);
    m_projection =
        new ProjectionPage({m_ui->ListView3, m_ui->Label13, m_ui->Label14, m_ui->Label15, m_ui->Label16,
                            m_ui->LabeledEdit1, m_ui->LabeledEdit2, m_ui->whatIfGrid, m_ui->talentChart},
                           this);
    m_talentMenu = new QMenu(this);
    m_talentMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_talentMenu->addAction(m_ui->alant1);
    m_talentMenu->addAction(m_ui->developmentAction);
    wireCommands();
    wireBoard();
}

TForm1::~TForm1() = default;

void TForm1::setExchangeTimeouts(const ExchangeTimeouts &timeouts)
{
    m_main->setExchangeTimeouts(timeouts);
    m_ui->boardPage->setExchangeTimeouts(timeouts);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    m_ui->boardPage->endRefresh();
    QMainWindow::closeEvent(event);
}

void TForm1::setSettingsDialog(TForm3 *settings)
{
    m_settings = settings;
    m_main->setSettingsDialog(settings);
}

void TForm1::wireCommands()
{
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(m_ui->N4, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->N5, &QAction::triggered, this, [this] { showCentredOver(m_settings, this); });
    connect(m_ui->About1, &QAction::triggered, this, [this] { showCentredOver(m_about, this); });
    connect(m_ui->alant1, &QAction::triggered, this, guarded(&TForm1::onProjectionChosen));
    connect(m_ui->developmentAction, &QAction::triggered, this, guarded(&TForm1::onDevelopmentChosen));
    connect(m_ui->rereadHistoryAction, &QAction::triggered, this, guarded(&TForm1::onRereadHistory));
    connect(m_projection, &ProjectionPage::levelsChosenFromGrid, this, [this] {
        runGuarded([this] {
            if (m_projection->projectAgain())
                messages().information(noGrowthCaption(), noGrowthText());
        });
    });
    connect(m_ui->ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { runGuarded([&] { onTalentListMenu(pos); }); });
    connect(m_ui->historyPage, &HistoryPage::showFetchRequested, this,
            [this](int64_t fetchId) { runGuarded([&] { showStoredFetch(fetchId); }); });
    connect(m_ui->historyPage, &HistoryPage::problem, this,
            [](const QString &text) { messages().information(tr("История"), text); });
    connect(m_ui->PageControl2, &QTabWidget::currentChanged, this, &TForm1::onTopTabChanged);
}

void TForm1::onTopTabChanged()
{
    // The history wants the whole window; the team choice and the counters belong to the other pages.
    const bool wide = m_ui->PageControl2->currentWidget() == m_ui->historySheet;
    for (QWidget *widget : m_ui->centralwidget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (widget != m_ui->PageControl2 && widget != m_ui->ProgressBar1)
            widget->setVisible(!wide);
    m_ui->PageControl2->resize(wide ? m_ui->centralwidget->width() : 529, m_ui->PageControl2->height());
    // It reads the file afresh each time it is opened.
    if (wide)
        m_ui->historyPage->refresh();
}

void TForm1::wireBoard()
{
    m_ui->boardPage->setSources({m_keeper.get(),
                                 [this] { return m_settings ? m_settings->proxyChoice() : ProxyChoice{}; },
                                 [this] { return m_settings && m_settings->historyOptions().keep; }});
    connect(m_ui->boardPage, &BoardPage::bytesCounted, m_main, &MainPage::countBytes);
    connect(m_ui->boardPage, &BoardPage::problem, this,
            [](const QString &text) { messages().information(tr("Дивизион"), text); });
    connect(m_ui->ComboBox1, &QComboBox::activated, this, [this] {
        runGuarded([this] {
            CatalogueSelectors &selectors = m_main->selectors();
            m_ui->boardPage->showDivision(selectors.chosenDivisionId(), selectors.teamsOfChosenDivision());
        });
    });
}

void TForm1::openHistory(const QString &path)
{
    const HistoryOptions options = m_settings ? m_settings->historyOptions() : HistoryOptions{};
    const QString notice = m_keeper->open(path, options.keepMonths);
    m_main->setHistoryKeeper(m_keeper.get());
    m_ui->historyPage->setStore(&m_keeper->store());
    if (m_settings)
        m_settings->setHistoryPath(path);
    if (!notice.isEmpty())
        messages().information(tr("История"), notice);
}

void TForm1::onTalentListMenu(const QPoint &pos)
{
    const QTreeWidgetItem *item = m_ui->ListView1->currentItem();
    m_ui->alant1->setEnabled(item && item->isSelected());
    m_ui->developmentAction->setEnabled(item && item->isSelected() && m_keeper->isOpen());
    m_talentMenu->popup(m_ui->ListView1->viewport()->mapToGlobal(pos));
}

void TForm1::onProjectionChosen()
{
    const QTreeWidgetItem *row = m_ui->ListView1->currentItem();
    if (row && m_projection->showFor(m_ui->TeamVal->text(), *row))
        messages().information(noGrowthCaption(), noGrowthText());
}

void TForm1::onDevelopmentChosen()
{
    const QTreeWidgetItem *row = m_ui->ListView1->currentItem();
    if (!row)
        return;
    m_ui->PageControl2->setCurrentWidget(m_ui->historySheet);
    m_ui->historyPage->showPlayer(m_main->teamOnView(), toCp1251(row->text(0)), toCp1251(row->text(1)));
}

void TForm1::onRereadHistory()
{
    const RereadReport report = m_keeper->store().rereadAll();
    m_ui->historyPage->refresh();
    messages().information(
        tr("История"), tr("Перечитано страниц: %1, не прочитано: %2.").arg(report.read).arg(report.failed));
}

void TForm1::showStoredFetch(int64_t fetchId)
{
    const std::optional<RawPage> stored = m_keeper->store().rawPage(fetchId);
    if (!stored)
        return;
    m_ui->PageControl1->setCurrentIndex(stored->kind == PageKind::Talent ? 0 : 1);
    m_main->showPage(stored->teamId, stored->kind, readPage(stored->bytes, stored->kind), fetchId);
    m_ui->PageControl2->setCurrentWidget(m_ui->mainsheet);
}
