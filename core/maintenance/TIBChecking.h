#pragma once
// Makes sure the database client library (Firebird's libfbclient.so.2) loads
// and works before the program first touches the database.
//
// The check runs when the component is made (on the main window, before any
// data module). When the library does not load, or a copy beside the
// executable is damaged, the user is asked whether to write the copy the
// program carries (the library it was built against, as a resource) beside
// the executable. Yes writes it (to a temporary name first, flushed and then
// renamed into place) and the start goes on; No ends the program.

#include "platform/base/TComponent.h"

#include <QByteArray>
#include <functional>

class FbClient;

class TIBChecking : public TComponent {
    Q_OBJECT
public:
    // True when the client library loads and works; otherwise false with
    // the reason in *reason.
    using Probe = std::function<bool(QString* reason)>;

    static const QString LibraryFileName;
    static const QString Question;
    static const QString DefaultDescription;
    static const QString DefaultVersion;

    // probe: the default asks the database layer to load the library.
    // folder: where the library is written; the executable's folder when
    // empty. terminate: ends the program; the default ends the application's run.
    explicit TIBChecking(TComponent* owner, Probe probe = nullptr, const QString& folder = QString(),
                         std::function<void()> terminate = nullptr);

    const QString& Description() const { return m_description; }
    void SetDescription(const QString& text) { m_description = text; }
    const QString& Version() const { return m_version; }
    void SetVersion(const QString& text) { m_version = text; }

    // False when the user refused to write the library (the run is ending).
    bool Passed() const { return m_passed; }
    // The library the program carries.
    static QByteArray Resource();
    // The default probe: the library loads through the database layer, and a
    // copy beside the executable, when there is one, is the one that loaded.
    static bool LoadsLibrary(QString* reason);
    // True when `folder` holds no copy of the library, or holds the one
    // `client` loaded; otherwise false with the reason.
    static bool UsesLibraryIn(const FbClient& client, const QString& folder, QString* reason);

private:
    void Check(const Probe& probe, const QString& folder, const std::function<void()>& terminate);
    static void WriteLibrary(const QString& folder);

    QString m_description = DefaultDescription;
    QString m_version = DefaultVersion;
    bool m_passed = true;
};
