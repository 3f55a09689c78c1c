// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringView>

#include <functional>
#include <iostream>
#include <optional>
#include <system_error>

// Where the programs keep what they remember, and under whose name: README's "Settings".
namespace settings {

// The maker's name: the settings folder and registry key of every program of ours.
QString organisation();

// The program's own name for its lines on stderr ("tessaly-fits").
QString programName();

// The user's configuration folder, as bytes since folder names need not be UTF-8:
// $XDG_CONFIG_HOME if absolute, else $HOME/.config, else the home folder the password database
// gives (a service or a cron job may run without $HOME). Unix only.
QByteArray configFolder();

// The organisation's shared file in configFolder() (<organisation>.ini), which only the saved
// position writes. Unix only.
QByteArray sharedFile();

// Whether a new file can be created and written in folder: the system's error when it cannot
// (permission denied, a read-only file system, no space left on the device), or no error. Unix
// only: QSettings and QLockFile tell that a write failed, not why.
std::error_code probeFolderWritable(const QByteArray& folder);

// An application's own store: <organisation>/<application>.ini in configFolder() on Unix,
// HKEY_CURRENT_USER\Software\<organisation>\<application> on Windows.
QString storeLocation(QStringView application);
QSettings store(QStringView application);

// Why the application's store cannot be written as ours alone, if anything: a folder or a device
// in its place, a link to a file of another name (the shared file above all), a file with other
// names, a file made read-only (kReadOnly). Nothing is written here.
std::optional<QString> saveObstacle(QStringView application);

// Why a write of the application's store that QSettings refused failed, if the system can tell.
std::optional<QString> saveFailure(QStringView application);

// Said instead of a cause: the user chose it, so it is no failure of ours.
inline constexpr QStringView kReadOnly = u"the file is read-only";

// Lets write set values in the application's store and writes it, unless saveObstacle() refuses;
// on failure one line on report names the file and the cause, and the file stays as it was.
// what says what was not saved ("the inputs").
bool save(QStringView application, QStringView what, const std::function<void(QSettings&)>& write,
          std::ostream& report = std::cerr);

} // namespace settings
