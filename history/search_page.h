#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeView;
class SearchModel;
class SearchRunner;
struct PlayerSearch;
struct SearchResults;

// The «Поиск» page: the players of every stored talent page that pass the filters, searched off the
// window's thread, sortable by each column and saved as CSV; a double click asks for the player's
// development.
class SearchPage : public QWidget {
    Q_OBJECT
public:
    // The division chosen in the window's choice panel; no teams when none is chosen.
    struct DivisionChoice {
        QString name;
        std::vector<int32_t> teamIds;
    };

    explicit SearchPage(QWidget *parent = nullptr);
    ~SearchPage() override;

    // The history file searched; empty while no history is kept.
    void setHistoryPath(const QString &path) { m_historyPath = path; }
    // How the page learns the division chosen, at the moment of searching.
    void setDivisionChoice(std::function<DivisionChoice()> choice) { m_divisionChoice = std::move(choice); }
    // Searches with the filters on view, as the button and Enter do.
    void search();

Q_SIGNALS:
    // The user asked for this player's development (names windows-1251, as stored).
    void playerChosen(int32_t teamId, const std::string &name, const std::string &country);
    void problem(const QString &text);

protected:
    // Enter in any filter searches.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void wire();
    // The search the filters on view ask for; false with the reason shown when it cannot be made.
    bool searchOnView(PlayerSearch &search);
    void showResults(std::shared_ptr<const SearchResults> results);
    void onResultChosen(int row);
    void onCsvClicked();

    QLineEdit *m_name = nullptr;
    QComboBox *m_position = nullptr;
    QSpinBox *m_maxAge = nullptr;
    QDoubleSpinBox *m_minTalent = nullptr;
    QDoubleSpinBox *m_minMastery = nullptr;
    QLineEdit *m_country = nullptr;
    QComboBox *m_divisions = nullptr;
    QCheckBox *m_everyWeek = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_csvButton = nullptr;
    QTreeView *m_results = nullptr;
    QLabel *m_status = nullptr;
    SearchModel *m_model = nullptr;
    SearchRunner *m_runner = nullptr;

    QString m_historyPath;
    std::function<DivisionChoice()> m_divisionChoice;
};
