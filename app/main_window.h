#pragma once

#include "catalogue/catalogue_table.h"
#include "export/team_block.h"
#include "retrieval/roster_exchange.h"
#include "retrieval/team_records.h"
#include "ui_main_window.h"
#include "view/column_sort.h"

#include <QMainWindow>
#include <cstdint>
#include <string>

class QKeyEvent;
class QMenu;
class QTreeWidget;
class TForm2;
class TForm3;

// The main window: team choice, the fetched team's summary and lists, history browsing, the
// projection page and the byte counters. Its widgets hold the state; the logic is in the core.
class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window; until then the defaults apply.
    void setAboutDialog(TForm2 *about) { m_about = about; }
    void setSettingsDialog(TForm3 *settings) { m_settings = settings; }
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts) { m_timeouts = timeouts; }

    // Fetches one team's page and shows it; true when a team page was read.
    bool GetData(int32_t teamId, const std::string &pageSuffix);
    // One request; true when PageText now holds its reply.
    bool RequestPage(int32_t teamId, const std::string &pageSuffix);
    void ReAdd(const CTeam &team);
    void SaveData(const QString &fileName);

    void FormCreate();
    void Button1Click();
    void N2Click();
    void N4Click();
    void N5Click();
    void About1Click();
    void ComboBox1Select(int index);
    void UpDown1Changing(bool &allowChange);
    void ListView1ContextPopup(const QPoint &pos);
    void ListView1ColumnClick(QTreeWidget *list, int column);
    void alant1Click();
    // The key filter of both level edits: true when the key may reach the edit.
    bool LabeledEdit1KeyPress(const QKeyEvent &key) const;

    const SortState &sortState() const { return m_sort; }
    CatalogueTable ClientDataSet1;

    const TeamHistory &history() const { return m_history; }
    const std::string &pageText() const { return PageText; }
    QMenu *PopupMenu1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireCommands();
    void runDivision();
    void showSummary(const TeamSummary &summary);
    TeamSummary summaryOnView() const;
    CTeam &appendSnapshot(const TeamSummary &summary, int32_t teamId);
    void readRows(std::string_view &w, PageKind kind, CTeam &team);
    ExportOptions exportOptions() const;
    void addCounter(QLabel *label, int64_t amount);
    QTreeWidget *listOfActivePage() const;

    std::string PageText;
    TeamHistory m_history;
    SortState m_sort;
    ExchangeTimeouts m_timeouts;
    TForm2 *m_about = nullptr;
    TForm3 *m_settings = nullptr;
};
