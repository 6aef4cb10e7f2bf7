#pragma once
// Where the settings live: under the program's organisation (~/.config/Fernwick/Fernwick.conf on Linux), where the
// desktop expects them. Copies before this one set no organisation, and Qt kept their settings under
// "Unknown Organization"; they are carried over once, so that a user loses nothing.

class QString;

namespace app {

// Names the organisation (and its domain) for the settings and the desktop. Before any QSettings is made.
void nameOrganisation();

// Copies each key of the old settings file that the settings now in use lack (what is there already wins), then
// marks the settings so that it is done once. The old file is left as it was. Returns how many keys came over.
int carryOverSettings(const QString& oldFile);
// The file where copies without an organisation kept their settings.
QString oldSettingsFile();

} // namespace app
