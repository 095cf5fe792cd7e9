#pragma once

#include "widgets/arrow_pair.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <stdexcept>

// The main window's controls, found by their object names: those names are the window's contract.
template <class T> T *controlOf(const QObject *window, const char *name)
{
    T *control = window->findChild<T *>(QString::fromLatin1(name));
    if (!control)
        throw std::runtime_error(std::string("no control named ") + name);
    return control;
}

// A report list's cells and captions as the view shows them, and choosing its rows as a click would.
inline QString cellOf(const QTreeView *list, int row, int column)
{
    return list->model()->index(row, column).data().toString();
}
inline QString captionOf(const QTreeView *list, int column)
{
    return list->model()->headerData(column, Qt::Horizontal).toString();
}
inline int rowsIn(const QTreeView *list) { return list->model()->rowCount(); }
inline void chooseRow(QTreeView *list, int row) { list->setCurrentIndex(list->model()->index(row, 0)); }
inline void addToChoice(QTreeView *list, int row)
{
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

struct MainControls {
    explicit MainControls(const QObject *w)
        : Button1(controlOf<QPushButton>(w, "Button1")), ComboBox1(controlOf<QComboBox>(w, "ComboBox1")),
          ComboBox2(controlOf<QComboBox>(w, "ComboBox2")), RadioTal(controlOf<QRadioButton>(w, "RadioTal")),
          RadioSkill(controlOf<QRadioButton>(w, "RadioSkill")),
          Cdivision(controlOf<QCheckBox>(w, "Cdivision")),
          PageControl1(controlOf<QTabWidget>(w, "PageControl1")),
          PageControl2(controlOf<QTabWidget>(w, "PageControl2")),
          ProgressBar1(controlOf<QProgressBar>(w, "ProgressBar1")),
          ListView1(controlOf<QTreeView>(w, "ListView1")), ListView2(controlOf<QTreeView>(w, "ListView2")),
          ListView3(controlOf<QTreeView>(w, "ListView3")), UpDown1(controlOf<ArrowPair>(w, "UpDown1")),
          Label1(controlOf<QLabel>(w, "Label1")), Label4(controlOf<QLabel>(w, "Label4")),
          Label13(controlOf<QLabel>(w, "Label13")), Label14(controlOf<QLabel>(w, "Label14")),
          Label15(controlOf<QLabel>(w, "Label15")), Label16(controlOf<QLabel>(w, "Label16")),
          TeamVal(controlOf<QLabel>(w, "TeamVal")), PlayersVal(controlOf<QLabel>(w, "PlayersVal")),
          LabeledEdit1(controlOf<QLineEdit>(w, "LabeledEdit1")),
          LabeledEdit2(controlOf<QLineEdit>(w, "LabeledEdit2")), N2(controlOf<QAction>(w, "N2")),
          N4(controlOf<QAction>(w, "N4")), N5(controlOf<QAction>(w, "N5")),
          About1(controlOf<QAction>(w, "About1")), alant1(controlOf<QAction>(w, "alant1")),
          PopupMenu1(controlOf<QMenu>(w, "PopupMenu1"))
    {
    }

    QPushButton *Button1;
    QComboBox *ComboBox1;
    QComboBox *ComboBox2;
    QRadioButton *RadioTal;
    QRadioButton *RadioSkill;
    QCheckBox *Cdivision;
    QTabWidget *PageControl1;
    QTabWidget *PageControl2;
    QProgressBar *ProgressBar1;
    QTreeView *ListView1;
    QTreeView *ListView2;
    QTreeView *ListView3;
    ArrowPair *UpDown1;
    QLabel *Label1;
    QLabel *Label4;
    QLabel *Label13;
    QLabel *Label14;
    QLabel *Label15;
    QLabel *Label16;
    QLabel *TeamVal;
    QLabel *PlayersVal;
    QLineEdit *LabeledEdit1;
    QLineEdit *LabeledEdit2;
    QAction *N2;
    QAction *N4;
    QAction *N5;
    QAction *About1;
    QAction *alant1;
    QMenu *PopupMenu1;
};
