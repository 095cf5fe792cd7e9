// Which of the form's controls each page of the main window works; the window's behaviour is in
// main_window.cpp.
#include "app/main_window.h"

#include "ui_main_window.h"

MainPageControls MainWindow::mainPageControls() const
{
    const Ui::MainWindow &ui = *m_ui;
    MainPageControls c;
    c.divisionBox = ui.ComboBox1;
    c.teamBox = ui.ComboBox2;
    c.talentChoice = ui.RadioTal;
    c.wholeDivisionChoice = ui.Cdivision;
    c.fetchButton = ui.Button1;
    c.stopButton = ui.stopFetchButton;
    c.listTabs = ui.PageControl1;
    c.talentList = ui.ListView1;
    c.abilitiesList = ui.ListView2;
    c.snapshotArrows = ui.UpDown1;
    c.lastPageBytes = ui.Label1;
    c.sessionBytes = ui.Label4;
    c.storedFetchLabel = ui.storedFetchLabel;
    c.divisionProgress = ui.ProgressBar1;
    c.summaryValues = {ui.TeamVal, ui.IDval,    ui.Manval,     ui.RangVal, ui.CityVal,  ui.StadVal,
                       ui.DivVal,  ui.MoneyVal, ui.PlayersVal, ui.CoSPVal, ui.PowerVal, ui.VisRatVal};
    c.saveTextAction = ui.N2;
    c.saveCsvAction = ui.exportCsvAction;
    c.copyForumAction = ui.copyForumAction;
    return c;
}
