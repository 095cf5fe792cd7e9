#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// Points the per-user ini store at a fresh folder for the life of the object, through $XDG_CONFIG_HOME
// where the store looks for it, so no test reads or writes the real user's settings.
class TempSettingsDir {
public:
    TempSettingsDir() : m_previous(qgetenv(variable)), m_hadPrevious(qEnvironmentVariableIsSet(variable))
    {
        qputenv(variable, QFile::encodeName(m_dir.path()));
    }
    ~TempSettingsDir()
    {
        if (m_hadPrevious)
            qputenv(variable, m_previous);
        else
            qunsetenv(variable);
    }
    TempSettingsDir(const TempSettingsDir &) = delete;
    TempSettingsDir &operator=(const TempSettingsDir &) = delete;

    QString root() const { return m_dir.path(); }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/Software/trovik.ini"); }
    bool exists() const { return QFile::exists(iniPath()); }

    // Writes the file as a user or an older run would have left it; call before anything opens it.
    void writeIni(const QByteArray &content) const
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/Software"));
        QFile file(iniPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }

    // The owner, group and other bits of the file's mode, leaving out what Qt adds for the current user.
    QFile::Permissions iniMode() const
    {
        const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        return QFile::permissions(iniPath()) & mode;
    }

    QByteArray readIni() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    static constexpr const char *variable = "XDG_CONFIG_HOME";
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};
