#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The controls of the "Расчет Т1" page.
struct ProjectionControls {
    QTreeWidget *table = nullptr;
    QLabel *teamCaption = nullptr;
    QLabel *playerCaption = nullptr;
    QLabel *masteryCaption = nullptr;
    QLabel *talentCaption = nullptr;
    QLineEdit *schoolLevelEdit = nullptr;
    QLineEdit *coachLevelEdit = nullptr;
};

// The projection page: keeps the two level edits to levels and fills the table for a chosen player.
class ProjectionPage : public QObject {
public:
    ProjectionPage(const ProjectionControls &controls, QObject *parent);

    // Fills the table for a row of the talent list (name, country, position, age, mastery, talent).
    // A conversion failure throws after the rows made before it are shown. Returns true when the table
    // stopped because the talent does not grow, which the caller tells the user.
    bool showFor(const QString &teamName, const QTreeWidgetItem &talentRow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProjectionControls m_controls;
};
