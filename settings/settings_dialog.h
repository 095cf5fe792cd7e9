#pragma once

#include "analysis/growth_fit.h"
#include "export/export_options.h"
#include "retrieval/proxy_choice.h"
#include "settings/settings_store.h"
#include "settings/watch_options.h"
#include "widgets/window_look.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
namespace Ui {
class SettingsDialog;
}

// How many stored fetches a KeepMonths keeps and how many it would drop.
struct KeptFetches {
    int kept = 0;
    int removed = 0;
};
// Counts them for a KeepMonths; nothing when the history cannot say.
using KeptFetchesCounter = std::function<std::optional<KeptFetches>(int keepMonths)>;
// The catalogue's name of a division; empty when the catalogue does not know it.
using DivisionNamer = std::function<QString(int32_t divisionId)>;
// Every team of the catalogue, by name, with its identifier; asked for when the dialog is shown.
using TeamChoices = std::function<std::vector<std::pair<QString, int32_t>>()>;

// The Settings dialog. Its controls are the live settings: the roster request asks proxyChoice() and the
// export asks exportOptions(), always at the moment of use. The store is read when the dialog is built
// and on Cancel, and written by OK and by every close. Controls keep their objectNames (CheckBox1, separ,
// proxyport, ...), by which tests and style sheets find them.
class SettingsDialog : public CentredDialog {
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // The live values, read from the controls at the moment of asking.
    ExportOptions exportOptions() const;
    ProxyChoice proxyChoice() const;
    HistoryOptions historyOptions() const;
    // Where the history file lives, shown on the history page.
    void setHistoryPath(const QString &path);
    // What the history page counts, as KeepMonths changes; the window lends it, the dialog never opens
    // the history itself.
    void setKeptFetchesCounter(KeptFetchesCounter counter);
    // The answer to dropping old fetches, read from and written to the store at once.
    PruneAnswer pruneAnswer() const;
    void keepPruneAnswer(const PruneAnswer &answer);
    // The watched divisions and their schedule as stored: the board's check changes the list at once,
    // the «Расписание» page on OK.
    WatchOptions watchOptions() const;
    void setDivisionWatched(int32_t divisionId, bool watched);
    // How the «Расписание» page names the divisions; the window lends the catalogue's names.
    void setDivisionNamer(DivisionNamer namer);
    // The own team and its levels as stored ([Analysis]); the «Моя команда» page changes them on OK.
    OwnTeam ownTeam() const { return m_ownTeam; }
    // The teams the «Моя команда» page offers; the window lends the catalogue.
    void setTeamChoices(TeamChoices choices);

Q_SIGNALS:
    // OK stored another own team or other levels.
    void ownTeamChanged(const OwnTeam &own);

public Q_SLOTS:
    // Saves once for every close, whichever way the dialog closes.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Reads the store into the controls; when the section holds nothing, or the store cannot be read,
    // every control keeps its state. Returns whether anything was read. A problem is kept for
    // reportLoadProblem(), so that every readable value is in place before its message shows.
    bool loadSettings();
    void reportLoadProblem();
    // Writes the controls to the store; the proxy values only while "Использовать" is ticked, and a key
    // that was not understood at load only once its control has been changed.
    void saveSettings();

    void onOkClicked();
    void onCancelClicked();
    void onUseProxyToggled();
    void showKeptFetches();
    void showWatchOptions(const WatchOptions &options);
    void showWatchedDivisions();
    WatchOptions shownWatchOptions() const;
    void onUnwatchClicked();
    void showOwnTeam();
    OwnTeam shownOwnTeam() const;

    SettingsValues shownValues() const;
    void showValues(const SettingsValues &values);
    void showSeparator(const QString &text);

    std::unique_ptr<Ui::SettingsDialog> m_ui;
    // The controls this code works, by what they are.
    struct Controls {
        QTabWidget *pageTabs = nullptr;
        QPushButton *okButton = nullptr;
        QPushButton *cancelButton = nullptr;
        QCheckBox *useProxyCheck = nullptr;
        QLineEdit *separatorEdit = nullptr;
        QLineEdit *proxyLoginEdit = nullptr;
        QLineEdit *proxyPasswordEdit = nullptr;
        QLineEdit *proxyServerEdit = nullptr;
        QLineEdit *proxyPortEdit = nullptr;
        QCheckBox *managerCheck = nullptr;
        QCheckBox *idCheck = nullptr;
        QCheckBox *moneyCheck = nullptr;
        QCheckBox *additionsCheck = nullptr;
    };
    Controls m_controls;
    // What the controls showed when the dialog appeared: Cancel puts it back when the store holds
    // nothing to reload, so a first-run Cancel does not keep the edits.
    SettingsValues m_shown;
    // The keys the last load could not understand and the values it put in their place.
    QStringList m_unreadKeys;
    SettingsValues m_loaded;
    std::string m_loadProblem;
    KeptFetchesCounter m_countKept;
    // The divisions the «Расписание» page lists, in the order they were marked.
    std::vector<int32_t> m_watched;
    DivisionNamer m_nameDivision;
    TeamChoices m_teamChoices;
    bool m_teamsListed = false;
    OwnTeam m_ownTeam; // as stored
};
