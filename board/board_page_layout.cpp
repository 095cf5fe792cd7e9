// The controls of the «Дивизион» page and where they stand; the page's behaviour is in board_page.cpp.
#include "board/board_model.h"
#include "board/board_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

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

// Widths of the columns, in the order of boardColumnNames.
constexpr int columnWidths[] = {112, 104, 66, 30, 34, 42, 46, 36, 36, 36, 36, 36, 36, 36, 36, 54, 62, 80, 90};
static_assert(std::size(columnWidths) == boardColumnCount);

void setupView(QTableView *view, BoardModel *model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setSortingEnabled(false); // the page orders the rows itself
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Wide enough for the caption and the sort arrow, whatever language the header speaks.
    for (int column = 0; column < static_cast<int>(std::size(columnWidths)); ++column) {
        const QString caption = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        view->setColumnWidth(
            column, std::max(columnWidths[column], header->fontMetrics().horizontalAdvance(caption) + 18));
    }
}

} // namespace

void BoardPage::buildControls()
{
    buildWatchControls();
    m_position = named(new QComboBox(this), "boardPositionCombo");
    m_maxAge = named(new QSpinBox(this), "boardAgeMaxSpin");
    m_maxAge->setRange(0, 99);
    m_maxAge->setValue(99);
    m_minTalent = named(new QDoubleSpinBox(this), "boardTalentMinSpin");
    m_minTalent->setRange(0, 99);
    m_minTalent->setDecimals(2);
    m_minTalent->setSingleStep(0.5);
    m_search = named(new QLineEdit(this), "boardSearchEdit");
    m_search->setClearButtonEnabled(true);
    m_best = named(new QCheckBox(tr("Лучшие по позициям"), this), "boardBestCheck");
    m_growing = named(new QCheckBox(tr("Только растущие"), this), "boardGrowingCheck");
    m_refreshButton = named(new QPushButton(tr("Обновить"), this), "boardRefreshButton");
    m_stopButton = named(new QPushButton(tr("Стоп"), this), "boardStopButton");
    m_csvButton = named(new QPushButton(tr("Сохранить CSV…"), this), "boardCsvButton");
    m_progress = named(new QProgressBar(this), "boardProgress");
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_view = named(new QTableView(this), "boardView");
    m_model = new BoardModel(this);
    setupView(m_view, m_model);
    m_count = named(new QLabel(this), "boardCountLabel");
    m_status = named(new QLabel(this), "boardStatusLabel");
    m_status->setTextFormat(Qt::PlainText);
    m_failuresButton = named(new QToolButton(this), "boardFailuresButton");
    m_failuresButton->setText(tr("Подробнее…"));
    // The line keeps its height whether a refresh failed or not, so the list does not jump.
    for (QWidget *widget : {static_cast<QWidget *>(m_status), static_cast<QWidget *>(m_failuresButton)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    m_failuresPopup = named(new QFrame(this, Qt::Popup), "boardFailuresPopup");
    m_failuresPopup->setFrameShape(QFrame::StyledPanel);
    m_failuresText = named(new QPlainTextEdit(m_failuresPopup), "boardFailuresText");
    m_failuresText->setReadOnly(true);
    m_failuresText->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *popupLayout = new QVBoxLayout(m_failuresPopup);
    popupLayout->setContentsMargins(0, 0, 0, 0);
    popupLayout->addWidget(m_failuresText);

    auto *filters = new QHBoxLayout;
    filters->addWidget(labelFor(m_position, tr("Позиция:")));
    filters->addWidget(m_position);
    filters->addWidget(labelFor(m_maxAge, tr("Возраст до:")));
    filters->addWidget(m_maxAge);
    filters->addWidget(labelFor(m_minTalent, tr("Талант от:")));
    filters->addWidget(m_minTalent);
    filters->addStretch();
    auto *search = new QHBoxLayout;
    search->addWidget(labelFor(m_search, tr("Поиск:")));
    search->addWidget(m_search, 1);
    search->addWidget(m_best);
    search->addWidget(m_growing);
    auto *commands = new QHBoxLayout;
    commands->addWidget(m_refreshButton);
    commands->addWidget(m_stopButton);
    commands->addWidget(m_progress, 1);
    commands->addWidget(m_csvButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(m_offerBar);
    layout->addLayout(filters);
    layout->addLayout(search);
    layout->addLayout(commands);
    layout->addWidget(m_view, 1);
    // The status shares the count's line, so a failed refresh takes nothing from the list.
    auto *footer = new QHBoxLayout;
    footer->addWidget(m_count);
    footer->addStretch();
    footer->addWidget(m_status);
    footer->addWidget(m_failuresButton);
    footer->addSpacing(8);
    footer->addWidget(m_watch);
    layout->addLayout(footer);
}

void BoardPage::fitNameColumns()
{
    // Players' and teams' names are cut no more than the window's width makes them; never narrower
    // than the starting width, so the board does not jump about while a refresh fills it.
    const QAbstractItemView *view = m_view; // where the measure is public
    for (int column : {0, 1}) {
        const int fitted = std::min(view->sizeHintForColumn(column), 3 * columnWidths[column]);
        if (fitted > m_view->columnWidth(column))
            m_view->setColumnWidth(column, fitted);
    }
}
