<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CoreText</name>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="9"/>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="11"/>
        <source>Pasting channels. Please wait ...</source>
        <translation>Kanäle werden eingefügt. Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="13"/>
        <source>Pasting transponders. Please wait ...</source>
        <translation>Transponder werden eingefügt. Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="14"/>
        <source>Pasting transponders and channels to satellite. Please wait ...</source>
        <translation>Transponder und Kanäle werden in den Satelliten eingefügt. Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="16"/>
        <source>There is no satellite with name %s!

What would you like to do?</source>
        <translation>Es gibt keinen Satelliten mit dem Namen %s!

Was möchten Sie tun?</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="18"/>
        <source>There is no destination transponder!

What would you like to do?</source>
        <translation>Es gibt keinen Zieltransponder!

Was möchten Sie tun?</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="20"/>
        <source>There is no satellite with name %s!

Would you like to select from the list?</source>
        <translation>Es gibt keinen Satelliten mit dem Namen %s!

Möchten Sie einen aus der Liste auswählen?</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="22"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="23"/>
        <source>Select satellite</source>
        <translation>Satellit auswählen</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="25"/>
        <source>Select transponder</source>
        <translation>Transponder auswählen</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="27"/>
        <source>Create transponder</source>
        <translation>Transponder anlegen</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="30"/>
        <source>Applying attributes to selected channels. Please wait...</source>
        <translation>Attribute werden für die ausgewählten Kanäle übernommen. Bitte warten...</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="32"/>
        <source>Applying attributes to selected transponders. Please wait ...</source>
        <translation>Attribute werden für die ausgewählten Transponder übernommen. Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="34"/>
        <source>Applying attributes to selected satellites. Please wait ...</source>
        <translation>Attribute werden für die ausgewählten Satelliten übernommen. Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/clipboard/clipboard_texts.h" line="35"/>
        <source>Applying satellite attributes and pasting transponders and channels. Please wait ...</source>
        <translation>Satellitenattribute werden übernommen, Transponder und Kanäle eingefügt. Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="9"/>
        <source>Please wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="10"/>
        <location filename="../src/link/serial/transfer_texts.h" line="13"/>
        <source>Ready!</source>
        <translation>Bereit!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="13"/>
        <source>There are no transponders.

Please first add transponder!</source>
        <translation>Es gibt keine Transponder.

Bitte fügen Sie zuerst einen Transponder hinzu!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="15"/>
        <source>No channel space left.

Please remove some unused ones.</source>
        <translation>Kein Platz für weitere Kanäle.

Bitte entfernen Sie einige nicht benötigte.</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="17"/>
        <source>No transponder space left.

Please remove some unused ones.</source>
        <translation>Kein Platz für weitere Transponder.

Bitte entfernen Sie einige nicht benötigte.</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="19"/>
        <source>New channel added!</source>
        <translation>Neuer Kanal hinzugefügt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="21"/>
        <source>Removing selected channel ...</source>
        <translation>Ausgewählter Kanal wird entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="23"/>
        <source>Removing selected channels ...</source>
        <translation>Ausgewählte Kanäle werden entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="24"/>
        <source>Removed 1 channel!</source>
        <translation>1 Kanal entfernt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="26"/>
        <source>Removed %d channels!</source>
        <translation>%d Kanäle entfernt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="28"/>
        <source>Removing all channels ...</source>
        <translation>Alle Kanäle werden entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="30"/>
        <source>Removed all channels(%d)!</source>
        <translation>Alle Kanäle entfernt (%d)!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="32"/>
        <source>Clearing chanels ...</source>
        <translation>Kanäle werden gelöscht ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="37"/>
        <source>Added new transponder!</source>
        <translation>Neuer Transponder hinzugefügt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="39"/>
        <source>Removing selected transponder ...</source>
        <translation>Ausgewählter Transponder wird entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="41"/>
        <source>Removing selected transponders ...</source>
        <translation>Ausgewählte Transponder werden entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="43"/>
        <source>Removed 1 transponder!</source>
        <translation>1 Transponder entfernt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="45"/>
        <source>Removed %d transponders!</source>
        <translation>%d Transponder entfernt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="47"/>
        <source>Removing all transponders ...</source>
        <translation>Alle Transponder werden entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="49"/>
        <source>Removed all transponders(%d)!</source>
        <translation>Alle Transponder entfernt (%d)!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="51"/>
        <source>Clearing transponders and channel s...</source>
        <translation>Transponder und Kanäle werden gelöscht ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="53"/>
        <source>Removing all data channels ...</source>
        <translation>Alle Datenkanäle werden entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="55"/>
        <source>Removed all data channels(%d)!</source>
        <translation>Alle Datenkanäle entfernt (%d)!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="57"/>
        <source>Removing all empty transponders ...</source>
        <translation>Alle leeren Transponder werden entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="59"/>
        <source>Removed all empty transponders(%d)!</source>
        <translation>Alle leeren Transponder entfernt (%d)!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="62"/>
        <source>Adding channels to favorite folder ...</source>
        <translation>Kanäle werden zum Favoritenordner hinzugefügt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="64"/>
        <source>Removing selected channels from favorites folder ...</source>
        <translation>Ausgewählte Kanäle werden aus dem Favoritenordner entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="66"/>
        <source>Removing all channels from favorite folder ...</source>
        <translation>Alle Kanäle werden aus dem Favoritenordner entfernt ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="68"/>
        <source>Favorite list %s is full!
Last %d channels were not added!</source>
        <translation>Die Favoritenliste %s ist voll!
Die letzten %d Kanäle wurden nicht hinzugefügt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="70"/>
        <source>Favorite list %s is full!
Channel %s was not added!</source>
        <translation>Die Favoritenliste %s ist voll!
Der Kanal %s wurde nicht hinzugefügt!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="72"/>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="74"/>
        <source>Saving channel changes ...</source>
        <translation>Kanaländerungen werden gespeichert ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="76"/>
        <source>Saved channels changes!</source>
        <translation>Kanaländerungen gespeichert!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="78"/>
        <source>Switching model ...</source>
        <translation>Modell wird umgeschaltet ...</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="79"/>
        <location filename="../src/editing/preset/preset_result.h" line="15"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="80"/>
        <source>%d last channels from the structure will be removed(randomly). Are you sure?

You can press No and remove unnecessry ones manually and then switch again.</source>
        <translation>Die letzten %d Kanäle der Struktur werden (zufällig) entfernt. Sind Sie sicher?

Sie können Nein wählen, nicht benötigte Kanäle von Hand entfernen und danach erneut umschalten.</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="85"/>
        <source>Model not switched!</source>
        <translation>Modell nicht umgeschaltet!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="87"/>
        <source>Model switched to FTA/CI!</source>
        <translation>Modell auf FTA/CI umgeschaltet!</translation>
    </message>
    <message>
        <location filename="../src/editing/commands/command_texts.h" line="89"/>
        <source>Model switched to PVR!</source>
        <translation>Modell auf PVR umgeschaltet!</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.cpp" line="11"/>
        <source>There are no settings to export!</source>
        <translation>Es gibt keine Einstellungen zum Exportieren!</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.cpp" line="12"/>
        <source>Error malloc buffer</source>
        <translation>Fehler beim Anlegen des Puffers</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.cpp" line="21"/>
        <source>File is corrupted!</source>
        <translation>Die Datei ist beschädigt!</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.cpp" line="23"/>
        <source>Preset File is corrupted!</source>
        <translation>Die Preset-Datei ist beschädigt!</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.cpp" line="25"/>
        <source>No space left for the transponders!</source>
        <translation>Kein Platz mehr für die Transponder!</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.h" line="13"/>
        <source>File open failed!</source>
        <translation>Die Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <location filename="../src/editing/preset/preset_result.h" line="16"/>
        <source>This action will clear your current settings. Do you want to continue?</source>
        <translation>Diese Aktion löscht Ihre aktuellen Einstellungen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="31"/>
        <source>TV Settings</source>
        <translation>TV-Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="32"/>
        <source>Language Settings</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="33"/>
        <source>Time/Date Settings</source>
        <translation>Zeit-/Datumseinstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="34"/>
        <source>Timer Settings</source>
        <translation>Timer-Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="35"/>
        <source>Parental Control Settings</source>
        <translation>Jugendschutzeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="36"/>
        <source>User Interface Settings</source>
        <translation>Einstellungen der Bedienoberfläche</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="37"/>
        <source>Power Management Settings</source>
        <translation>Energieeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="38"/>
        <source>Network Settings</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="39"/>
        <source>Other Settings</source>
        <translation>Sonstige Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_category_list.cpp" line="40"/>
        <source>Hidden Settings</source>
        <translation>Versteckte Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/row_texts.cpp" line="18"/>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="15"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="16"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="17"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="18"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="19"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="20"/>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="21"/>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="22"/>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="23"/>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="24"/>
        <source>Finish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="25"/>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="26"/>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="27"/>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="28"/>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="29"/>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="30"/>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="31"/>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="32"/>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="33"/>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="34"/>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="35"/>
        <source>China</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="36"/>
        <source>Korea</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="37"/>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="38"/>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="39"/>
        <source>Latin</source>
        <translation>Latein</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="40"/>
        <source>Bengali</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="41"/>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="42"/>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="43"/>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="44"/>
        <source>Urdo</source>
        <translation>Urdu</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="45"/>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="46"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="48"/>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="51"/>
        <source>Sleep</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="52"/>
        <source>Wakeup</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="53"/>
        <source>Once</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="54"/>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="55"/>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="57"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="58"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="59"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="60"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="61"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="62"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="63"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="76"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="77"/>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="78"/>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="79"/>
        <location filename="../src/ui/view/row_texts.cpp" line="19"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="80"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="81"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="82"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="83"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../src/document/receiver_image_steps.h" line="19"/>
        <source>File acess error!</source>
        <translation>Fehler beim Dateizugriff!</translation>
    </message>
    <message>
        <location filename="../src/document/receiver_image_steps.h" line="21"/>
        <source>Open failed!
File corrupted!</source>
        <translation>Öffnen fehlgeschlagen!
Datei beschädigt!</translation>
    </message>
    <message>
        <location filename="../src/document/receiver_image_steps.h" line="23"/>
        <source>Failed to create temporary file!</source>
        <translation>Temporäre Datei konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <location filename="../src/document/receiver_image_steps.h" line="25"/>
        <source>Settings successfully opened from receiver!</source>
        <translation>Einstellungen erfolgreich vom Receiver geöffnet!</translation>
    </message>
    <message>
        <location filename="../src/document/settings_file.h" line="68"/>
        <source>Cannot save settings file!
Access is denied.</source>
        <translation>Einstellungsdatei kann nicht gespeichert werden!
Zugriff verweigert.</translation>
    </message>
    <message>
        <location filename="../src/document/settings_file.h" line="72"/>
        <source>Cannot save settings file!
It is not a regular file.</source>
        <translation>Einstellungsdatei kann nicht gespeichert werden!
Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location filename="../src/document/settings_file.h" line="73"/>
        <source>Cannot save settings file!
It is a link that another user made in a folder open to everyone.</source>
        <translation>Einstellungsdatei kann nicht gespeichert werden!
Sie ist ein Link, den ein anderer Benutzer in einem für alle offenen Ordner angelegt hat.</translation>
    </message>
    <message>
        <location filename="../src/document/settings_file.h" line="79"/>
        <source>
The file&apos;s previous contents were put back.</source>
        <translation>
Der vorherige Inhalt der Datei wurde wiederhergestellt.</translation>
    </message>
    <message>
        <location filename="../src/document/settings_file.h" line="80"/>
        <source>
The file&apos;s previous contents could not be put back; the file may be damaged.</source>
        <translation>
Der vorherige Inhalt der Datei konnte nicht wiederhergestellt werden; die Datei ist möglicherweise beschädigt.</translation>
    </message>
    <message>
        <location filename="../src/interchange/channel_list_import.cpp" line="109"/>
        <source>the channel type is unknown</source>
        <translation>der Kanaltyp ist unbekannt</translation>
    </message>
    <message>
        <location filename="../src/interchange/channel_list_import.cpp" line="164"/>
        <source>no favourite group left for its group</source>
        <translation>keine Favoritengruppe mehr frei für seine Gruppe</translation>
    </message>
    <message>
        <location filename="../src/interchange/channel_list_import.cpp" line="172"/>
        <source>its favourite group is full</source>
        <translation>seine Favoritengruppe ist voll</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="22"/>
        <source>line %s</source>
        <translation>Zeile %s</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="24"/>
        <source>lines %s</source>
        <translation>Zeilen %s</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="25"/>
        <source>lines %s and %zu more</source>
        <translation>Zeilen %s und %zu weitere</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="44"/>
        <source>Satellites added: %d</source>
        <translation>Satelliten hinzugefügt: %d</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="46"/>
        <source>Transponders added: %d (%d already there)</source>
        <translation>Transponder hinzugefügt: %d (%d schon vorhanden)</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="50"/>
        <source>DVB-S2 transponders among them: %d (the transponder record cannot mark DVB-S2)</source>
        <translation>Davon DVB-S2-Transponder: %d (der Transponder-Eintrag kann DVB-S2 nicht kennzeichnen)</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="55"/>
        <source>Channels added: %d TV, %d radio, %d data (%d already there)</source>
        <translation>Kanäle hinzugefügt: %d TV, %d Radio, %d Daten (%d schon vorhanden)</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="58"/>
        <source>Favourite places added: %d</source>
        <translation>Favoritenplätze hinzugefügt: %d</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="62"/>
        <source>Characters without a Latin-1 form, replaced by &apos;?&apos;: %d</source>
        <translation>Zeichen ohne Latin-1-Form, durch &apos;?&apos; ersetzt: %d</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_summary.cpp" line="65"/>
        <source>Skipped: %d</source>
        <translation>Übersprungen: %d</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="75"/>
        <source>Skipped</source>
        <translation>Überspr.</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="9"/>
        <source>The database holds no receiver model: open or create a settings file first.</source>
        <translation>Die Datenbank enthält kein Receivermodell: Öffnen oder erstellen Sie zuerst eine Einstellungsdatei.</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="12"/>
        <source>not imported: the import stopped at a full table</source>
        <translation>nicht importiert: der Import endete an einer vollen Tabelle</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="14"/>
        <source>already there (same polarisation, frequency within 2 MHz)</source>
        <translation>schon vorhanden (gleiche Polarisation, Frequenz innerhalb von 2 MHz)</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="16"/>
        <source>already there (same transponder and service)</source>
        <translation>schon vorhanden (gleicher Transponder und Dienst)</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="17"/>
        <source>no satellite at its orbital position and no free satellite slot</source>
        <translation>kein Satellit an seiner Orbitposition und kein freier Satellitenplatz</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="20"/>
        <source>No channel matched the reference; nothing was changed.</source>
        <translation>Kein Kanal passte zur Vorlage; es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="22"/>
        <source>The file could not be read: there is not enough memory for it.</source>
        <translation>Die Datei konnte nicht gelesen werden: Dafür reicht der Speicher nicht.</translation>
    </message>
    <message>
        <location filename="../src/interchange/import_texts.h" line="24"/>
        <source>refers to no entry of the list</source>
        <translation>verweist auf keinen Eintrag der Liste</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="39"/>
        <location filename="../src/interchange/transponder_update_text.cpp" line="43"/>
        <source>%d channel</source>
        <translation>%d Kanal</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="40"/>
        <location filename="../src/interchange/transponder_update_text.cpp" line="44"/>
        <source>%d channels</source>
        <translation>%d Kanäle</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="45"/>
        <source>%d transponder</source>
        <translation>%d Transponder</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="46"/>
        <source>%d transponders</source>
        <translation>%d Transponder</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="54"/>
        <source>Import stopped: %s and %s imported!</source>
        <translation>Import abgebrochen: %s und %s importiert!</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="55"/>
        <source>Imported %s and %s!</source>
        <translation>%s und %s importiert!</translation>
    </message>
    <message>
        <location filename="../src/interchange/list_import_command.cpp" line="62"/>
        <source>Ordered %s like the reference!</source>
        <translation>%s wie in der Vorlage geordnet!</translation>
    </message>
    <message>
        <location filename="../src/interchange/order_like.cpp" line="182"/>
        <source>TV channels matched: %d by ids, %d by name; %d not in the reference, kept in their order after them</source>
        <translation>TV-Kanäle zugeordnet: %d über IDs, %d über den Namen; %d nicht in der Vorlage, in ihrer Reihenfolge dahinter belassen</translation>
    </message>
    <message>
        <location filename="../src/interchange/order_like.cpp" line="185"/>
        <source>Radio channels matched: %d by ids, %d by name; %d not in the reference, kept in their order after them</source>
        <translation>Radiokanäle zugeordnet: %d über IDs, %d über den Namen; %d nicht in der Vorlage, in ihrer Reihenfolge dahinter belassen</translation>
    </message>
    <message>
        <location filename="../src/interchange/order_like.cpp" line="192"/>
        <source>Favourite groups taken: %d (%d members not found here)</source>
        <translation>Favoritengruppen übernommen: %d (%d Mitglieder hier nicht gefunden)</translation>
    </message>
    <message>
        <location filename="../src/interchange/order_like.cpp" line="195"/>
        <source>Reference entries skipped: %d</source>
        <translation>Übersprungene Einträge der Vorlage: %d</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_file.cpp" line="20"/>
        <source>The settings file could not be decoded.</source>
        <translation>Die Einstellungsdatei konnte nicht dekodiert werden.</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_file.cpp" line="36"/>
        <source>The file is not a settings file, a VDR channels.conf or a channel list (number;name).</source>
        <translation>Die Datei ist weder eine Einstellungsdatei noch eine VDR-channels.conf noch eine Kanalliste (Nummer;Name).</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_text_reader.cpp" line="94"/>
        <source>The file is not a channel list: it holds binary data.</source>
        <translation>Die Datei ist keine Kanalliste: sie enthält Binärdaten.</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_text_reader.cpp" line="106"/>
        <source>The file is not a channel list: its first row is neither &quot;number;name&quot; nor a header naming a Number and a Name column.</source>
        <translation>Die Datei ist keine Kanalliste: ihre erste Zeile ist weder &quot;Nummer;Name&quot; noch eine Kopfzeile mit einer Spalte Number und einer Spalte Name.</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_text_reader.cpp" line="120"/>
        <source>the number is not readable</source>
        <translation>die Nummer ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_text_reader.cpp" line="126"/>
        <source>the ids are not &quot;network-TS-service&quot; numbers</source>
        <translation>die IDs sind keine Nummern der Form &quot;Netzwerk-TS-Dienst&quot;</translation>
    </message>
    <message>
        <location filename="../src/interchange/reference_text_reader.cpp" line="140"/>
        <source>The file is not a channel list: no row holds a number and a name.</source>
        <translation>Die Datei ist keine Kanalliste: keine Zeile enthält eine Nummer und einen Namen.</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_folder.cpp" line="25"/>
        <source>larger than %zu KB</source>
        <translation>größer als %zu KB</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_folder.cpp" line="31"/>
        <source>not read: an update reads at most %zu KB</source>
        <translation>nicht gelesen: Eine Aktualisierung liest höchstens %zu KB</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_folder.cpp" line="39"/>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_folder.cpp" line="56"/>
        <source>the folder %s cannot be read: %s</source>
        <translation>der Ordner %s kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="72"/>
        <source>The file is not a dvbv5 scan table: it holds binary data.</source>
        <translation>Die Datei ist keine dvbv5-Scan-Tabelle: sie enthält Binärdaten.</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="89"/>
        <source>not a KEY = VALUE line of a section</source>
        <translation>keine Zeile KEY = VALUE eines Abschnitts</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="96"/>
        <source>The file is not a dvbv5 scan table: no section holds a DELIVERY_SYSTEM and a FREQUENCY.</source>
        <translation>Die Datei ist keine dvbv5-Scan-Tabelle: kein Abschnitt enthält ein DELIVERY_SYSTEM und eine FREQUENCY.</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="112"/>
        <source>the section has no DELIVERY_SYSTEM or FREQUENCY</source>
        <translation>dem Abschnitt fehlt DELIVERY_SYSTEM oder FREQUENCY</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="124"/>
        <source>not a satellite entry (DELIVERY_SYSTEM %s)</source>
        <translation>kein Satelliteneintrag (DELIVERY_SYSTEM %s)</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="135"/>
        <source>the FREQUENCY is not readable</source>
        <translation>die FREQUENCY ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="141"/>
        <source>the SYMBOL_RATE is missing or not readable</source>
        <translation>die SYMBOL_RATE fehlt oder ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/scan_table_reader.cpp" line="149"/>
        <source>the POLARIZATION is not readable</source>
        <translation>die POLARIZATION ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_apply.cpp" line="17"/>
        <source>not applied: the transponder has changed since the comparison</source>
        <translation>nicht übernommen: der Transponder hat sich seit dem Vergleich geändert</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_apply.cpp" line="19"/>
        <source>not applied: the satellite is no longer in use</source>
        <translation>nicht übernommen: der Satellit wird nicht mehr verwendet</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_apply.cpp" line="20"/>
        <source>not applied: already there (same polarisation, frequency within 2 MHz)</source>
        <translation>nicht übernommen: schon vorhanden (gleiche Polarisation, Frequenz innerhalb von 2 MHz)</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_command.cpp" line="15"/>
        <source>Transponders updated: %d added, %d changed, %d removed!</source>
        <translation>Transponder aktualisiert: %d hinzugefügt, %d geändert, %d entfernt!</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="19"/>
        <source> (%s line %d)</source>
        <translation> (%s Zeile %d)</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="32"/>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="34"/>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="36"/>
        <source>vanished</source>
        <translation>entfallen</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="42"/>
        <source>no channels</source>
        <translation>keine Kanäle</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="59"/>
        <source>%s to %s, %s</source>
        <translation>%s nach %s, %s</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="72"/>
        <source>Satellite %d &quot;%s&quot;</source>
        <translation>Satellit %d &quot;%s&quot;</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="74"/>
        <source>Satellite %d &quot;%s&quot; at %s</source>
        <translation>Satellit %d &quot;%s&quot; auf %s</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="83"/>
        <source>no orbital position; left alone</source>
        <translation>keine Orbitposition; unverändert gelassen</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="85"/>
        <source>no scan table for %s; left alone</source>
        <translation>keine Scan-Tabelle für %s; unverändert gelassen</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="89"/>
        <source>no scan table for %s could be read; left alone</source>
        <translation>keine Scan-Tabelle für %s lesbar; unverändert gelassen</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="94"/>
        <source>no differences</source>
        <translation>keine Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="95"/>
        <source>%d difference</source>
        <translation>%d Unterschied</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="96"/>
        <source>%d differences</source>
        <translation>%d Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/interchange/transponder_update_text.cpp" line="128"/>
        <source>Transponders added: %d, changed: %d, removed: %d (with %s)</source>
        <translation>Transponder hinzugefügt: %d, geändert: %d, entfernt: %d (mit %s)</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="77"/>
        <source>The file is not a VDR channels.conf: it holds binary data.</source>
        <translation>Die Datei ist keine VDR-channels.conf: sie enthält Binärdaten.</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="96"/>
        <source>not a channel line (it needs 13 fields separated by &apos;:&apos;)</source>
        <translation>keine Kanalzeile (sie braucht 13 durch &apos;:&apos; getrennte Felder)</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="103"/>
        <source>The file is not a VDR channels.conf: no line holds a channel.</source>
        <translation>Die Datei ist keine VDR-channels.conf: keine Zeile enthält einen Kanal.</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="138"/>
        <source>the source or the frequency is not readable</source>
        <translation>die Quelle oder die Frequenz ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="148"/>
        <source>not a satellite entry (source %c)</source>
        <translation>kein Satelliteneintrag (Quelle %c)</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="156"/>
        <source>the frequency is not readable</source>
        <translation>die Frequenz ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="161"/>
        <source>the parameters are not readable</source>
        <translation>die Parameter sind nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="170"/>
        <source>the symbol rate is not readable</source>
        <translation>die Symbolrate ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="182"/>
        <source>a PID is not readable</source>
        <translation>eine PID ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="186"/>
        <source>the CA field is not readable</source>
        <translation>das CA-Feld ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/interchange/vdr_channels_reader.cpp" line="193"/>
        <source>a service, network or transport stream id is not readable</source>
        <translation>eine Dienst-, Netzwerk- oder Transportstrom-ID ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/link/serial/identification.cpp" line="56"/>
        <location filename="../src/link/usb/usb_receiver_session.cpp" line="25"/>
        <source>Product Name:      %s
Software Version:  %s</source>
        <translation>Produktname:       %s
Softwareversion:   %s</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.cpp" line="10"/>
        <location filename="../src/link/usb/usb_image_transfer.cpp" line="100"/>
        <source>Loading ... (%lld%%)</source>
        <translation>Laden ... (%lld%%)</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.cpp" line="11"/>
        <location filename="../src/link/usb/usb_image_transfer.cpp" line="105"/>
        <source>Saving ... (%lld%%)</source>
        <translation>Speichern ... (%lld%%)</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.h" line="14"/>
        <location filename="../src/link/usb/usb_image_transfer.h" line="17"/>
        <source>Connecting ...</source>
        <translation>Verbinden ...</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.h" line="15"/>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.h" line="16"/>
        <source>Protocol Error</source>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.h" line="17"/>
        <source>Cancelled!</source>
        <translation>Abgebrochen!</translation>
    </message>
    <message>
        <location filename="../src/link/serial/transfer_texts.h" line="19"/>
        <source>Connection with receiver timed out!</source>
        <translation>Zeitüberschreitung der Verbindung zum Receiver!</translation>
    </message>
    <message>
        <location filename="../src/link/usb/emulated_receiver.cpp" line="84"/>
        <source>cannot read %s</source>
        <translation>%s kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/link/usb/emulated_receiver.cpp" line="95"/>
        <source>%s is not a settings file (499712 or 827392 bytes)</source>
        <translation>%s ist keine Einstellungsdatei (499712 oder 827392 Bytes)</translation>
    </message>
    <message>
        <location filename="../src/link/usb/usb_receiver_session.cpp" line="34"/>
        <source>Can&apos;t communicate with the STB.
Check your system. error_code=%#x</source>
        <translation>Keine Verbindung zum Receiver möglich.
Bitte prüfen Sie Ihr System. error_code=%#x</translation>
    </message>
    <message>
        <location filename="../src/link/usb/usb_receiver_session.cpp" line="41"/>
        <source>Can&apos;t communicate with the Settop box. Check your system. error_code=%#x</source>
        <translation>Keine Verbindung zur Settop-Box möglich. Bitte prüfen Sie Ihr System. error_code=%#x</translation>
    </message>
    <message>
        <location filename="../src/link/usb/usb_receiver_session.h" line="16"/>
        <source>The Receiver is now busy.
If you want to use the application, you have to stop the PVR function or stop the menu navigation.</source>
        <translation>Der Receiver ist gerade beschäftigt.
Um das Programm zu verwenden, beenden Sie die PVR-Funktion oder die Menübedienung.</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="10"/>
        <source>Saving transponder changes ...</source>
        <translation>Transponderänderungen werden gespeichert ...</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="12"/>
        <source>Saved transponder changes!</source>
        <translation>Transponderänderungen gespeichert!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="14"/>
        <source>Saving satellite changes ...</source>
        <translation>Satellitenänderungen werden gespeichert ...</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="16"/>
        <source>Saved satellite changes!</source>
        <translation>Satellitenänderungen gespeichert!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="19"/>
        <source>Satellite could not be empty!</source>
        <translation>Der Satellitenname darf nicht leer sein!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="21"/>
        <location filename="../src/editing/settings/settings_texts.h" line="15"/>
        <source>Invalid Longitude Value!</source>
        <translation>Ungültiger Längengrad!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="23"/>
        <source>Invalid Frequency Value!</source>
        <translation>Ungültige Frequenz!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="25"/>
        <source>LNB High Frequency must be more than LNB Low Frequency!</source>
        <translation>Die obere LNB-Frequenz muss größer als die untere LNB-Frequenz sein!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="27"/>
        <source>LNB Low Frequency must be less than LNB High Frequency!</source>
        <translation>Die untere LNB-Frequenz muss kleiner als die obere LNB-Frequenz sein!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="29"/>
        <source>Selected motor index is already used by %s!</source>
        <translation>Der gewählte Motorindex wird bereits von %s verwendet!</translation>
    </message>
    <message>
        <location filename="../src/editing/panes/record_pane_texts.h" line="30"/>
        <source>Selected Frequency isn&apos;t in a valid range according to LNB frequency value</source>
        <translation>Die gewählte Frequenz liegt nicht im gültigen Bereich der LNB-Frequenz</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_texts.h" line="10"/>
        <source>Saving settings changes ...</source>
        <translation>Einstellungsänderungen werden gespeichert ...</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_texts.h" line="12"/>
        <source>Saved settings changes!</source>
        <translation>Einstellungsänderungen gespeichert!</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_texts.h" line="13"/>
        <source>Invalid IP address!</source>
        <translation>Ungültige IP-Adresse!</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_texts.h" line="17"/>
        <source>The password must have four digits!</source>
        <translation>Das Passwort muss vier Ziffern haben!</translation>
    </message>
    <message>
        <location filename="../src/editing/settings/settings_texts.h" line="18"/>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="50"/>
        <source>Not Defined</source>
        <translation>Nicht definiert</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_controller.cpp" line="273"/>
        <location filename="../src/ui/panes/property_pane.cpp" line="120"/>
        <source>Given value is out of [%d, %d] range!</source>
        <translation>Der Wert liegt außerhalb des Bereichs [%d, %d]!</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_controller.cpp" line="276"/>
        <location filename="../src/ui/panes/property_pane.cpp" line="207"/>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="68"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="70"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="87"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="69"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="72"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="88"/>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="71"/>
        <location filename="../src/ui/panes/channel_pane.cpp" line="128"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="74"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="127"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="90"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="130"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="73"/>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="74"/>
        <source>Scrambled</source>
        <translation>Kodiert</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="76"/>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="78"/>
        <source>Subtitle Index</source>
        <translation>UT-Index</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="81"/>
        <source>IDs</source>
        <translation>IDs</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="82"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="142"/>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="84"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="144"/>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="85"/>
        <source>Teletext PID</source>
        <translation>VT-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="87"/>
        <source>PMT PID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="88"/>
        <source>Program ID</source>
        <translation>Progr.-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="90"/>
        <source>ECM PID</source>
        <translation>ECM-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="92"/>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="93"/>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="95"/>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="104"/>
        <source>AC3 Track</source>
        <translation>AC3</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="105"/>
        <source>Track %d</source>
        <translation>Spur %d</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="107"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="143"/>
        <source>Audio PID</source>
        <translation>APID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="109"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="324"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="112"/>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="115"/>
        <source>Favorite %d</source>
        <translation>Favorit %d</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="126"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="137"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="92"/>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="126"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="138"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="95"/>
        <source>Symbol Rate</source>
        <translation>SR</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="127"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="140"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="99"/>
        <source>Polarization</source>
        <translation>Polaris.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="127"/>
        <location filename="../src/ui/panes/channel_pane.cpp" line="129"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="80"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="125"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="133"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="128"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="76"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="131"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="129"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="78"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="132"/>
        <source>Transponders</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="130"/>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane.cpp" line="132"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="128"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane_texts.cpp" line="31"/>
        <source>Total %d (%d empty)</source>
        <translation>Gesamt %d (%d leer)</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/channel_pane_texts.cpp" line="43"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="179"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/property_pane.cpp" line="29"/>
        <source>Show All</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/property_pane.cpp" line="30"/>
        <source>Hide All</source>
        <translation>Alle verbergen</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/property_pane.cpp" line="34"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/property_pane.cpp" line="35"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="71"/>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="72"/>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="73"/>
        <source>Satellite A</source>
        <translation>Satellit A</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="74"/>
        <source>Satellite B</source>
        <translation>Satellit B</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="94"/>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="95"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="108"/>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="117"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="98"/>
        <source>High freq</source>
        <translation>LOF hoch</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="99"/>
        <source>Low freq</source>
        <translation>LOF tief</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="104"/>
        <source>Tone 22kHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="105"/>
        <source>Output 12v</source>
        <translation>12V-Ausg.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="107"/>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="110"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="254"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="113"/>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="116"/>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="119"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="125"/>
        <source>Predefined %d</source>
        <translation>Vorgabe %d</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="224"/>
        <source>Port %d of %d</source>
        <translation>Port %d von %d</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="225"/>
        <source>Port - of %d</source>
        <translation>Port - von %d</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/satellite_pane.cpp" line="235"/>
        <source>%s (Not selected)</source>
        <translation>%s (Nicht gewählt)</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="74"/>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="79"/>
        <source>Start Time</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="81"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="84"/>
        <location filename="../src/ui/panes/settings_pane.cpp" line="86"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="87"/>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="88"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="91"/>
        <source>HDD Save</source>
        <translation>HDD</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane.cpp" line="174"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="322"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="325"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="328"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="331"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="334"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="337"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="340"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="348"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="116"/>
        <source>Screen Type</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="119"/>
        <source>Signal Output</source>
        <translation>Signal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="122"/>
        <source>SCART Output</source>
        <translation>SCART</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="126"/>
        <source>UHF Channel</source>
        <translation>UHF-Kanal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="128"/>
        <source>TV System</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="131"/>
        <source>Fine Tuning</source>
        <translation>Feinabst.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="133"/>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="135"/>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="137"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="144"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="147"/>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="149"/>
        <source>Pref. Settings</source>
        <translation>Bevorzugt</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="151"/>
        <source>Main Audio</source>
        <translation>Hauptton</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="153"/>
        <source>Alter. Audio</source>
        <translation>Zweitton</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="155"/>
        <source>Main Subtitle</source>
        <translation>Haupt-UT</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="157"/>
        <source>Alter. Subtitle</source>
        <translation>Zweit-UT</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="164"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="171"/>
        <source>GMT Offset</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="173"/>
        <source>Auto Update</source>
        <translation>Auto-Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="182"/>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="268"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="191"/>
        <source>Age limit</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="200"/>
        <source>Channel Lock</source>
        <translation>Kanalsp.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="202"/>
        <source>Install. Lock</source>
        <translation>Inst.-Sp.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="204"/>
        <source>Receiver Lock</source>
        <translation>Gerätesp.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="213"/>
        <source>Vol. Indicator</source>
        <translation>Vol.-Anz.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="215"/>
        <source>Vol. Timout</source>
        <translation>Vol.-Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="217"/>
        <source>Banner Timout</source>
        <translation>Info-Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="219"/>
        <source>OSD Trans(%)</source>
        <translation>Transp. %</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="221"/>
        <source>Fade in/out</source>
        <translation>Blenden</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="223"/>
        <source>Teletext</source>
        <translation>Videotext</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="225"/>
        <source>CI Messages</source>
        <translation>CI-Meld.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="227"/>
        <source>Chlist dbl. click</source>
        <translation>Doppelkl.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="229"/>
        <source>RCA Vol. Ctl.</source>
        <translation>Cinch-Vol.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="236"/>
        <source>Power State</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="238"/>
        <source>LNB Power</source>
        <translation>LNB-Spg.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="240"/>
        <source>LNB Offs. +1V</source>
        <translation>LNB +1V</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="248"/>
        <source>Local IP</source>
        <translation>Lokale IP</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="250"/>
        <source>Subnet Mask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="252"/>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="257"/>
        <source>Conn. Mode</source>
        <translation>Verb.-Art</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="65"/>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="280"/>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="282"/>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="284"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="285"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="286"/>
        <source>F1 Button</source>
        <translation>F1-Taste</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="66"/>
        <source>Sleep Timer</source>
        <translation>Sleep-Timer</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="67"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="68"/>
        <source>Fav List</source>
        <translation>Fav-Liste</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/lookup_option_texts.cpp" line="69"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="295"/>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="297"/>
        <source>RF Out Disabl.</source>
        <translation>HF aus</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="299"/>
        <source>HDD Init</source>
        <translation>HDD-Init.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="301"/>
        <source>HDD Format</source>
        <translation>HDD-Form.</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="303"/>
        <source>No Card</source>
        <translation>Ohne Karte</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="321"/>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="327"/>
        <source>Time/Date</source>
        <translation>Uhr/Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="330"/>
        <source>Parental Control</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="333"/>
        <source>User Interface</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="336"/>
        <source>Power Management</source>
        <translation>Energie</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="339"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="342"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="343"/>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="344"/>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="345"/>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/settings_pane_rows.cpp" line="347"/>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="101"/>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="103"/>
        <source>FTA Only</source>
        <translation>Nur FTA</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="114"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="120"/>
        <source>TP ID</source>
        <translation>TP-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="115"/>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="121"/>
        <source>Network ID</source>
        <translation>Netz-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="116"/>
        <source>ECM Chan ID</source>
        <translation>ECM-Kanal</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="117"/>
        <source>ECM CAS ID</source>
        <translation>ECM-CAS</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="119"/>
        <source>ECM ID</source>
        <translation>ECM-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/transponder_pane.cpp" line="122"/>
        <source>CAS ID</source>
        <translation>CAS-ID</translation>
    </message>
    <message>
        <location filename="../src/interchange/channel_list.h" line="26"/>
        <source>left out: the list holds more entries than an import takes</source>
        <translation>ausgelassen: Die Liste enthält mehr Einträge, als ein Import übernimmt</translation>
    </message>
    <message>
        <location filename="../src/document/file_replace.h" line="59"/>
        <source>Access is denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <location filename="../src/document/file_replace.h" line="61"/>
        <source>It is not a regular file.</source>
        <translation>Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location filename="../src/document/file_replace.h" line="62"/>
        <source>It is a link that another user made in a folder open to everyone.</source>
        <translation>Sie ist ein Link, den ein anderer Benutzer in einem für alle offenen Ordner angelegt hat.</translation>
    </message>
    <message>
        <location filename="../src/link/usb/usb_backend.cpp" line="8"/>
        <source>USB bus %d, address %d: %s</source>
        <translation>USB-Bus %d, Adresse %d: %s</translation>
    </message>
    <message>
        <location filename="../src/backups/backup_folder.h" line="69"/>
        <source>not a backup of a settings image</source>
        <translation>keine Sicherung einer Einstellungsdatei</translation>
    </message>
    <message>
        <location filename="../src/backups/backup_folder.h" line="70"/>
        <source>No folder for backups (neither XDG_STATE_HOME nor HOME is set).</source>
        <translation>Kein Ordner für Sicherungen (weder XDG_STATE_HOME noch HOME ist gesetzt).</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="419"/>
        <source>The pattern is longer than 256 characters.</source>
        <translation>Das Muster ist länger als 256 Zeichen.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="421"/>
        <source>The pattern&apos;s parentheses do not pair up.</source>
        <translation>Die Klammern des Musters passen nicht zusammen.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="423"/>
        <source>The pattern has an unfinished or reversed [ ] class.</source>
        <translation>Das Muster hat eine unvollständige oder umgekehrte [ ]-Klasse.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="425"/>
        <source>The pattern has a bad { } repeat (at most 255).</source>
        <translation>Das Muster hat eine ungültige { }-Wiederholung (höchstens 255).</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="427"/>
        <source>The pattern repeats nothing.</source>
        <translation>Das Muster wiederholt nichts.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="429"/>
        <source>The pattern ends with a backslash.</source>
        <translation>Das Muster endet mit einem Backslash.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="431"/>
        <source>The pattern has more than nine groups.</source>
        <translation>Das Muster hat mehr als neun Gruppen.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="433"/>
        <source>The replacement names a group the pattern does not have.</source>
        <translation>Der Ersatz nennt eine Gruppe, die das Muster nicht hat.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="436"/>
        <source>The pattern takes too long to match; simplify it.</source>
        <translation>Das Muster braucht zu lange; bitte vereinfachen.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/bounded_pattern.cpp" line="438"/>
        <source>There is nothing to find.</source>
        <translation>Es gibt nichts zu suchen.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/rename.cpp" line="94"/>
        <source>The name would be empty.</source>
        <translation>Der Name wäre leer.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/rename.cpp" line="96"/>
        <source>The name would start with four 0xFF bytes, the mark of a free slot.</source>
        <translation>Der Name würde mit vier 0xFF-Bytes beginnen, der Marke eines freien Platzes.</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/tidy_texts.h" line="10"/>
        <source>Removed %d duplicate channels</source>
        <translation>%d doppelte Kanäle entfernt</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/tidy_texts.h" line="12"/>
        <source>No duplicate channels found</source>
        <translation>Keine doppelten Kanäle gefunden</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/tidy_texts.h" line="13"/>
        <source>Sorted %d channels</source>
        <translation>%d Kanäle sortiert</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/tidy_texts.h" line="15"/>
        <source>Moved %s channels to number %d</source>
        <translation>%s Kanäle auf Nummer %d verschoben</translation>
    </message>
    <message>
        <location filename="../src/editing/tidy/tidy_texts.h" line="17"/>
        <source>Renamed %d channels</source>
        <translation>%d Kanäle umbenannt</translation>
    </message>
    <message>
        <location filename="../src/compare/take_over_command.cpp" line="16"/>
        <source>Taken over: %d added, %d changed, %d removed, %d lists reordered.</source>
        <translation>Übernommen: %d hinzugefügt, %d geändert, %d entfernt, %d Listen neu geordnet.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <location filename="../src/ui/app/commands/preset_menu_commands.cpp" line="33"/>
        <location filename="../src/ui/app/frame/main_frame.cpp" line="121"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/message_prompter.cpp" line="38"/>
        <location filename="../src/ui/app/commands/preset_menu_commands.cpp" line="27"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/message_prompter.h" line="33"/>
        <source>Settings Files (*.bin)</source>
        <translation>Einstellungsdateien (*.bin)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/preset_menu_commands.h" line="19"/>
        <source>Preset files (*.bin)</source>
        <translation>Preset-Dateien (*.bin)</translation>
    </message>
</context>
<context>
    <name>FrameActions</name>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="33"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="35"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="37"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="39"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="40"/>
        <source>&amp;Open from COM...</source>
        <translation>Von &amp;COM öffnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="42"/>
        <source>Save to COM</source>
        <translation>Auf COM speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="44"/>
        <source>&amp;Open from USB...</source>
        <translation>Von US&amp;B öffnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="46"/>
        <source>Save to USB</source>
        <translation>Auf USB speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="52"/>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="57"/>
        <source>Preset data</source>
        <translation>Preset-Daten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="54"/>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="59"/>
        <source>&amp;VDR channel list...</source>
        <translation>&amp;VDR-Kanalliste...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="56"/>
        <source>Channel list as &amp;CSV...</source>
        <translation>Kanalliste als &amp;CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="61"/>
        <source>DVB &amp;scan table...</source>
        <translation>DVB-&amp;Suchlauftabelle...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="63"/>
        <source>&amp;Order channels like another list...</source>
        <translation>Kanäle wie eine andere Liste &amp;ordnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="66"/>
        <source>Write the channels as a VDR channels.conf</source>
        <translation>Die Kanäle als VDR-channels.conf schreiben</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="67"/>
        <source>Write the channels as a CSV table for spreadsheets</source>
        <translation>Die Kanäle als CSV-Tabelle für Tabellenkalkulationen schreiben</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="69"/>
        <source>Add the satellite channels of a VDR channels.conf</source>
        <translation>Die Satellitenkanäle einer VDR-channels.conf hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="71"/>
        <source>Add the transponders of a dvbv5 scan table to a satellite</source>
        <translation>Die Transponder einer dvbv5-Suchlauftabelle einem Satelliten hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="73"/>
        <source>Number the channels like a settings file, channels.conf or list</source>
        <translation>Die Kanäle wie eine Einstellungsdatei, channels.conf oder Liste nummerieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="75"/>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="77"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="79"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="81"/>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="83"/>
        <source>Find &amp;Next</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="85"/>
        <source>Find &amp;Previous</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="87"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="89"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="91"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="93"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="97"/>
        <source>Delete all &amp;data channels</source>
        <translation>Alle &amp;Datenkanäle löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="100"/>
        <source>Delete all &amp;empty transponders</source>
        <translation>Alle &amp;leeren Transponder löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="103"/>
        <source>&amp;Update channels from internet</source>
        <translation>Kanäle aus dem &amp;Internet aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="106"/>
        <source>Editor &amp;Configuration</source>
        <translation>Editor-&amp;Konfiguration</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_actions.cpp" line="108"/>
        <source>&amp;About VQChannelEditor...</source>
        <translation>Ü&amp;ber VQChannelEditor...</translation>
    </message>
</context>
<context>
    <name>TidyMenuCommands</name>
    <message>
        <location filename="../src/ui/app/commands/tidy_dialogs.cpp" line="38"/>
        <source>Tidy Up Channels</source>
        <translation>Kanäle aufräumen</translation>
    </message>
</context>
<context>
    <name>TransponderUpdateCommand</name>
    <message>
        <location filename="../src/ui/app/commands/transponder_update_command.cpp" line="24"/>
        <source>Update Channels from Internet</source>
        <translation>Kanäle aus dem Internet aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/transponder_update_command.cpp" line="26"/>
        <source>Reading the scan tables ...</source>
        <translation>Die Suchlauftabellen werden gelesen ...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/transponder_update_command.cpp" line="27"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/transponder_update_command.cpp" line="28"/>
        <source>

Check the connection, or choose a folder of scan tables in Editor Configuration (Scan Tables).</source>
        <translation>

Prüfen Sie die Verbindung oder wählen Sie in der Editor-Konfiguration (Suchlauftabellen) einen Ordner mit Suchlauftabellen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/transponder_update_command.cpp" line="32"/>
        <source>No satellite is in use, so there are no transponders to update.</source>
        <translation>Kein Satellit ist in Gebrauch, daher gibt es keine Transponder zu aktualisieren.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/transponder_update_command.cpp" line="35"/>
        <source>Update channels from internet</source>
        <translation>Kanäle aus dem Internet aktualisieren</translation>
    </message>
</context>
<context>
    <name>vq::AboutDialog</name>
    <message>
        <location filename="../src/ui/dialogs/about_dialog.cpp" line="18"/>
        <source>About VQChannelEditor</source>
        <translation>Über VQChannelEditor</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/about_dialog.cpp" line="22"/>
        <source>&lt;p&gt;&lt;b&gt;VQChannelEditor&lt;/b&gt; v0.65 beta&lt;/p&gt;&lt;p&gt;Editor for the channel lists and configuration of satellite receivers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;VQChannelEditor&lt;/b&gt; v0.65 beta&lt;/p&gt;&lt;p&gt;Editor für die Kanallisten und die Konfiguration von Satellitenreceivern.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/about_dialog.cpp" line="26"/>
        <source>Free software under the GNU General Public License, version 3 or later (%1), without any warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer (%1), ohne jede Gewährleistung.</translation>
    </message>
</context>
<context>
    <name>vq::BackupSettingsPage</name>
    <message>
        <location filename="../src/ui/app/config/editor_config_backup_page.cpp" line="19"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_backup_page.cpp" line="20"/>
        <source>Backups to keep</source>
        <translation>Aufzubewahrende Sicherungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_backup_page.cpp" line="21"/>
        <source>Backups to keep:</source>
        <translation>Aufzubewahrende Sicherungen:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_backup_page.cpp" line="23"/>
        <source>Before Save replaces a file, the bytes about to be lost are kept in the backup folder; so is every image read from a receiver. The oldest go first; 0 keeps none. &quot;vqtool backups&quot; lists them and copies one out.</source>
        <translation>Bevor Speichern eine Datei ersetzt, wird der Inhalt, der dabei verloren ginge, im Sicherungsordner aufbewahrt; ebenso jedes von einem Receiver gelesene Abbild. Die ältesten werden zuerst entfernt; 0 bewahrt keine auf. &quot;vqtool backups&quot; listet sie auf und kopiert eine heraus.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_backup_page.cpp" line="16"/>
        <source>Read the receiver&apos;s settings into the backups before Save to USB</source>
        <translation>Vor &quot;Auf USB speichern&quot; die Einstellungen des Receivers in die Sicherungen lesen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_backup_page.cpp" line="30"/>
        <source>This costs one download&apos;s time before every Save to USB.</source>
        <translation>Das kostet vor jedem &quot;Auf USB speichern&quot; die Zeit eines Herunterladens.</translation>
    </message>
</context>
<context>
    <name>vq::BackupsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="17"/>
        <source>Before Save</source>
        <translation>Vor dem Speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="19"/>
        <source>Before writing to the receiver</source>
        <translation>Vor dem Schreiben in den Receiver</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="21"/>
        <source>Read from the receiver</source>
        <translation>Vom Receiver gelesen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="29"/>
        <source>FTA/CI</source>
        <translation>FTA/CI</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="31"/>
        <source>PVR</source>
        <translation>PVR</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="33"/>
        <source>Not a settings image</source>
        <translation>Keine Einstellungsdatei</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="53"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="54"/>
        <source>Compare with current</source>
        <translation>Mit aktuellem vergleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="55"/>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="79"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="59"/>
        <source>The settings kept before an overwrite and those read from a receiver, newest first. Open shows one as a new document that Save asks a name for; Compare with current shows its differences with the open document.</source>
        <translation>Die vor einem Überschreiben aufbewahrten und die von einem Receiver gelesenen Einstellungen, die neuesten zuerst. Öffnen zeigt eine als neues Dokument, für das Speichern nach einem Namen fragt; Mit aktuellem vergleichen zeigt ihre Unterschiede zum geöffneten Dokument.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>Kept</source>
        <translation>Aufbewahrt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="65"/>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="88"/>
        <source>No backups have been kept yet.</source>
        <translation>Bisher wurden keine Sicherungen aufbewahrt.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="91"/>
        <source>Open the backup as a new document</source>
        <translation>Die Sicherung als neues Dokument öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/backups_dialog.cpp" line="92"/>
        <source>Compare the backup with the open document</source>
        <translation>Die Sicherung mit dem geöffneten Dokument vergleichen</translation>
    </message>
</context>
<context>
    <name>vq::CMainFrame</name>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="17"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="24"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="25"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="31"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="37"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="38"/>
        <source>Special &amp;Actions</source>
        <translation>Spezielle A&amp;ktionen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="40"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="41"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="46"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_menus.cpp" line="82"/>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="32"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="32"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="33"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="33"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="35"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="35"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="36"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_history.cpp" line="36"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/main_frame.cpp" line="36"/>
        <location filename="../src/ui/app/frame/main_frame.cpp" line="89"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/main_frame.cpp" line="45"/>
        <source>Status message</source>
        <translation>Statusmeldung</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_backups.cpp" line="34"/>
        <source>The backup could not be kept: %1</source>
        <translation>Die Sicherung konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_backups.cpp" line="63"/>
        <source>the backup of %1</source>
        <translation>der Sicherung vom %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_backups.cpp" line="68"/>
        <source>The backup could not be read: %1</source>
        <translation>Die Sicherung konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="19"/>
        <source>Compare with file...</source>
        <translation>Mit Datei vergleichen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="21"/>
        <source>Show the differences with another settings file and take over what you choose</source>
        <translation>Die Unterschiede zu einer anderen Einstellungsdatei zeigen und das Gewählte übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="22"/>
        <source>Compare with receiver (USB)...</source>
        <translation>Mit Receiver vergleichen (USB)...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="24"/>
        <source>Read the receiver&apos;s settings, show the differences and take over what you choose</source>
        <translation>Die Einstellungen des Receivers lesen, die Unterschiede zeigen und übernehmen, was Sie wählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="25"/>
        <source>Backups...</source>
        <translation>Sicherungen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="26"/>
        <source>Open or compare the settings kept before overwrites</source>
        <translation>Vor dem Überschreiben aufbewahrte Einstellungen öffnen oder vergleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/frame/frame_compare.cpp" line="53"/>
        <source>the receiver</source>
        <translation>dem Receiver</translation>
    </message>
</context>
<context>
    <name>vq::CVQChannelEditorDoc</name>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc.h" line="44"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc.h" line="45"/>
        <source>Invalid settings file specified!</source>
        <translation>Ungültige Einstellungsdatei angegeben!</translation>
    </message>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc.h" line="47"/>
        <source>File is already opened by other application.
Do you want to open as read only?</source>
        <translation>Die Datei ist bereits von einer anderen Anwendung geöffnet.
Möchten Sie sie schreibgeschützt öffnen?</translation>
    </message>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc.h" line="48"/>
        <source>Access to file is locked!</source>
        <translation>Der Zugriff auf die Datei ist gesperrt!</translation>
    </message>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc.h" line="49"/>
        <source>Settings file is corrupted!</source>
        <translation>Die Einstellungsdatei ist beschädigt!</translation>
    </message>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc.h" line="50"/>
        <source>(read only)</source>
        <translation>(schreibgeschützt)</translation>
    </message>
    <message>
        <location filename="../src/document/qt/vq_channel_editor_doc_save.cpp" line="85"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>vq::CVQChannelEditorView</name>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="87"/>
        <source>TV Channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="88"/>
        <source>Radio Channels</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="89"/>
        <source>Data Channels</source>
        <translation>Datenkanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="95"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="106"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="115"/>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="96"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="107"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="116"/>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="97"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="108"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="117"/>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="144"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="147"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="148"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="193"/>
        <source>Use Network Settings</source>
        <translation>Netzwerkeinstellungen verwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="220"/>
        <source>Please wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="70"/>
        <source>Add New Channel</source>
        <translation>Neuen Kanal hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="72"/>
        <location filename="../src/ui/view/view_commands.cpp" line="126"/>
        <source>Remove Selected Channels</source>
        <translation>Ausgewählte Kanäle entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="74"/>
        <source>Remove All Channels</source>
        <translation>Alle Kanäle entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="76"/>
        <location filename="../src/ui/view/view_commands.cpp" line="123"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="98"/>
        <source>Add To Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="78"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="99"/>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="79"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="100"/>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="80"/>
        <source>Add New Transponder</source>
        <translation>Neuen Transponder hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="82"/>
        <source>Remove Selected Transponders</source>
        <translation>Ausgewählte Transponder entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="84"/>
        <source>Remove All Transponders</source>
        <translation>Alle Transponder entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="86"/>
        <location filename="../src/ui/view/view_commands.cpp" line="88"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="109"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="118"/>
        <source>Clear All Channels</source>
        <translation>Alle Kanäle löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="90"/>
        <source>Clear All Transponders &amp; All Channels</source>
        <translation>Alle Transponder &amp; alle Kanäle löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="94"/>
        <source>Remove From Favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="97"/>
        <source>Remove All From Favorites</source>
        <translation>Alle aus Favoriten entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="108"/>
        <source>Switch to FTA/CI/FAE</source>
        <translation>Auf FTA/CI/FAE umschalten</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="110"/>
        <source>Switch to PVR</source>
        <translation>Auf PVR umschalten</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="120"/>
        <source>Move Channels</source>
        <translation>Kanäle verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="136"/>
        <source>Delete all data channels</source>
        <translation>Alle Datenkanäle löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="139"/>
        <source>Delete all empty transponders</source>
        <translation>Alle leeren Transponder löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="188"/>
        <source>Add New Channel on Same Transponder</source>
        <translation>Neuen Kanal auf demselben Transponder hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="197"/>
        <source>Add New Transponder on Same Satellite</source>
        <translation>Neuen Transponder auf demselben Satelliten hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_commands.cpp" line="208"/>
        <source>Send to %1</source>
        <translation>Senden an %1</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="119"/>
        <source>Clear All Transponders &amp;&amp; All Channels</source>
        <translation>Alle Transponder &amp;&amp; alle Kanäle löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="132"/>
        <source>View tabs</source>
        <translation>Ansichtsregister</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="135"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="136"/>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="137"/>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="138"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_find.cpp" line="58"/>
        <location filename="../src/ui/view/view_find.cpp" line="101"/>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_find.cpp" line="58"/>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_find.cpp" line="106"/>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_find.cpp" line="108"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_history.cpp" line="99"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="222"/>
        <source>Ready!</source>
        <translation>Bereit!</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_update.cpp" line="47"/>
        <source>Loading settings file...</source>
        <translation>Einstellungsdatei wird geladen...</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_update.cpp" line="77"/>
        <source>Settings file loaded in %1 sec!</source>
        <translation>Einstellungsdatei in %L1 s geladen!</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_update.cpp" line="172"/>
        <location filename="../src/ui/view/view_update.cpp" line="201"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_update.cpp" line="173"/>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_update.cpp" line="174"/>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
</context>
<context>
    <name>vq::ChannelDrag</name>
    <message>
        <location filename="../src/ui/view/channel_drag.cpp" line="105"/>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_drag.cpp" line="105"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
</context>
<context>
    <name>vq::ChannelListModel</name>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="51"/>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="53"/>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="55"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="57"/>
        <source>Teletext</source>
        <translation>Videotext</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="59"/>
        <source>AC3</source>
        <translation>AC3</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="61"/>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
</context>
<context>
    <name>vq::ComPortSettingsPage</name>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="95"/>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="96"/>
        <source>%1 bps</source>
        <translation>%1 bit/s</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="97"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="98"/>
        <source>Bits per second:</source>
        <translation>Bits pro Sekunde:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="99"/>
        <source>Data bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="101"/>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="101"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="101"/>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="101"/>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="101"/>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="101"/>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="102"/>
        <source>Stop bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="110"/>
        <source>Flow Control:</source>
        <translation>Flusssteuerung:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="117"/>
        <source>Connection Timeout (seconds)</source>
        <translation>Verbindungs-Zeitlimit (Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="119"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="120"/>
        <source>Connection Timeout:</source>
        <translation>Verbindungs-Zeitlimit:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="124"/>
        <source>Enable COM commands:</source>
        <translation>COM-Befehle aktivieren:</translation>
    </message>
</context>
<context>
    <name>vq::CommandLine</name>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="18"/>
        <source>Editor for the channel lists of satellite receivers</source>
        <translation>Editor für die Kanallisten von Satellitenreceivern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="20"/>
        <source>Settings file (*.bin) to open.</source>
        <translation>Zu öffnende Einstellungsdatei (*.bin).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="23"/>
        <source>Use FILE as the editor&apos;s profile (INI).</source>
        <translation>FILE als Profil des Editors verwenden (INI).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="25"/>
        <source>Append a trace log to FILE.</source>
        <translation>Ein Ablaufprotokoll an FILE anhängen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="28"/>
        <source>Use a receiver emulated over the settings FILE instead of USB.</source>
        <translation>Statt USB einen über die Einstellungsdatei FILE nachgebildeten Receiver verwenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="32"/>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="34"/>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/command_line.cpp" line="59"/>
        <source>Only one settings file can be opened.</source>
        <translation>Es kann nur eine Einstellungsdatei geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>vq::CompareCommand</name>
    <message>
        <location filename="../src/ui/app/commands/compare_command.cpp" line="22"/>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/compare_command.cpp" line="24"/>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/compare_command.cpp" line="26"/>
        <source>This document and %1 hold the same settings.</source>
        <translation>Zwischen diesem Dokument und %1 gibt es keine Unterschiede.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/compare_command.cpp" line="28"/>
        <source>Settings Files (*.bin);;All Files (*)</source>
        <translation>Einstellungsdateien (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/compare_command.cpp" line="29"/>
        <source>Take Over</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>vq::CompareReviewDialog</name>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="67"/>
        <source>Take over the other list&apos;s order</source>
        <translation>Die Reihenfolge der anderen Liste übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="69"/>
        <source>Take over</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="70"/>
        <source>Compare with Another List</source>
        <translation>Mit einer anderen Liste vergleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="74"/>
        <source>Differences between this document and %1. Tick what to take over from %1: new records are added with all their fields, changed fields are written, removals remove records from this document. The ticked differences that are shown are taken over, as one step that Undo takes back.</source>
        <translation>Unterschiede zwischen diesem Dokument und %1. Haken Sie an, was aus %1 übernommen werden soll: neue Einträge werden mit allen Feldern hinzugefügt, geänderte Felder geschrieben, Entfernungen entfernen Einträge aus diesem Dokument. Übernommen werden die angehakten Unterschiede, die angezeigt sind, als ein Schritt, den Rückgängig zurücknimmt.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="82"/>
        <source>Only in %1</source>
        <translation>Nur in %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="82"/>
        <source>Only in this document</source>
        <translation>Nur in diesem Dokument</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="83"/>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="83"/>
        <source>Placed differently</source>
        <translation>Anders eingeordnet</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="105"/>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="110"/>
        <source>All differences</source>
        <translation>Alle Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="110"/>
        <source>Only new channels</source>
        <translation>Nur neue Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="110"/>
        <source>Only changed</source>
        <translation>Nur geänderte</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="111"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="113"/>
        <source>Ticks every placement: the channel numbers and favourite groups take the other list&apos;s order</source>
        <translation>Hakt jede Einordnung an: Kanalnummern und Favoritengruppen erhalten die Reihenfolge der anderen Liste</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="116"/>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="119"/>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="184"/>
        <source>No differences: the lists are equal.</source>
        <translation>Keine Unterschiede: die Listen sind gleich.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/compare_review_dialog.cpp" line="185"/>
        <source>%1 of %2 differences ticked and shown.</source>
        <translation>%1 von %2 Unterschieden angehakt und angezeigt.</translation>
    </message>
</context>
<context>
    <name>vq::ContextMenus</name>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="37"/>
        <source>Send to</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="60"/>
        <source>Switch to transponder</source>
        <translation>Zum Transponder wechseln</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="61"/>
        <location filename="../src/ui/view/context_menus.cpp" line="74"/>
        <source>Switch to satellite</source>
        <translation>Zum Satelliten wechseln</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="63"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="64"/>
        <location filename="../src/ui/view/context_menus.cpp" line="85"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="65"/>
        <location filename="../src/ui/view/context_menus.cpp" line="86"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="67"/>
        <location filename="../src/ui/view/context_menus.cpp" line="88"/>
        <location filename="../src/ui/view/context_menus.cpp" line="104"/>
        <source>Apply attributes</source>
        <translation>Attribute übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="70"/>
        <source>Add new on same transponder</source>
        <translation>Neu auf demselben Transponder hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="80"/>
        <source>Copy transponder only</source>
        <translation>Nur Transponder kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="82"/>
        <source>Copy with all channels</source>
        <translation>Mit allen Kanälen kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="84"/>
        <source>Copy with some channels...</source>
        <translation>Mit einigen Kanälen kopieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="91"/>
        <source>Add new on same satellite</source>
        <translation>Neu auf demselben Satelliten hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="96"/>
        <source>Copy satellite only</source>
        <translation>Nur Satellit kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="98"/>
        <source>Copy with all transponders only</source>
        <translation>Nur mit allen Transpondern kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="100"/>
        <source>Copy with all transponders and channels</source>
        <translation>Mit allen Transpondern und Kanälen kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="102"/>
        <source>Copy with some transponders and channels...</source>
        <translation>Mit einigen Transpondern und Kanälen kopieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="106"/>
        <source>Paste all copied transponders and channels</source>
        <translation>Alle kopierten Transponder und Kanäle einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="108"/>
        <source>Apply attributes and paste all copied transponders and channels</source>
        <translation>Attribute übernehmen und alle kopierten Transponder und Kanäle einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="112"/>
        <source>Copy settings</source>
        <translation>Einstellungen kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="115"/>
        <source>Apply category settings</source>
        <translation>Einstellungen der Kategorie übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/context_menus.cpp" line="117"/>
        <source>Apply all settings</source>
        <translation>Alle Einstellungen übernehmen</translation>
    </message>
</context>
<context>
    <name>vq::DuplicateGroupsModel</name>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="15"/>
        <source>Same service, %1 channels</source>
        <translation>Gleicher Dienst, %1 Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="17"/>
        <source>Same name on one transponder, %1 channels</source>
        <translation>Gleicher Name auf einem Transponder, %1 Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="19"/>
        <source>HD and SD twins, %1 channels</source>
        <translation>HD- und SD-Zwillinge, %1 Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="120"/>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="166"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="120"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="136"/>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="168"/>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="170"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="172"/>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="174"/>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicate_groups_model.cpp" line="176"/>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
</context>
<context>
    <name>vq::DuplicatesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="22"/>
        <source>Also &amp;HD and SD twins (names equal but for &quot;HD&quot; or &quot;SD&quot;)</source>
        <translation>Auch &amp;HD- und SD-Zwillinge (Namen gleich bis auf „HD“ oder „SD“)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="25"/>
        <source>&amp;Remove the Others</source>
        <translation>Die anderen &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="26"/>
        <source>Find Duplicates</source>
        <translation>Doppelte Kanäle finden</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="30"/>
        <source>Channels of one type that are the same service: same satellite position, service id and stream id, or without ids the same name on one transponder. The checked channel of each group stays and takes the others&apos; favourite places and timers.</source>
        <translation>Kanäle eines Typs, die derselbe Dienst sind: gleiche Satellitenposition, Service-ID und Stream-ID oder, ohne IDs, gleicher Name auf einem Transponder. Der angehakte Kanal jeder Gruppe bleibt und übernimmt die Favoritenplätze und Timer der anderen.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="35"/>
        <source>The one in the most favourite groups, then the lowest number</source>
        <translation>Den in den meisten Favoritengruppen, dann die niedrigste Nummer</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="36"/>
        <source>The HD one</source>
        <translation>Den HD-Kanal</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="37"/>
        <source>The lowest number</source>
        <translation>Die niedrigste Nummer</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="38"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="39"/>
        <source>HD and SD twins</source>
        <translation>HD- und SD-Zwillinge</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="42"/>
        <source>Duplicate groups</source>
        <translation>Gruppen doppelter Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="48"/>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="51"/>
        <source>&amp;Keep:</source>
        <translation>&amp;Behalten:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/duplicates_dialog.cpp" line="95"/>
        <source>%1 groups; %2 channels would be removed.</source>
        <translation>%1 Gruppen; %2 Kanäle würden entfernt.</translation>
    </message>
</context>
<context>
    <name>vq::EditorApplication</name>
    <message>
        <location filename="../src/ui/app/editor_application.cpp" line="105"/>
        <source>Emulated receiver: %1</source>
        <translation>Nachgebildeter Receiver: %1</translation>
    </message>
</context>
<context>
    <name>vq::EditorConfigDialog</name>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="19"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="20"/>
        <source>Com Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="21"/>
        <source>Scan Tables</source>
        <translation>Suchlauftabellen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="22"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="24"/>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="25"/>
        <source>COM Port Settings</source>
        <translation>COM-Port-Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="26"/>
        <source>Update Channels from Internet</source>
        <translation>Kanäle aus dem Internet aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="27"/>
        <source>Backups of Overwritten Settings</source>
        <translation>Sicherungen überschriebener Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="43"/>
        <source>Editor Configuration</source>
        <translation>Editor-Konfiguration</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="45"/>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="47"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="64"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog.cpp" line="65"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vq::FavoritesPanel</name>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="26"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="27"/>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="29"/>
        <source>Favorite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="32"/>
        <location filename="../src/ui/view/favorites_panel.cpp" line="105"/>
        <source>Folder Name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="33"/>
        <location filename="../src/ui/view/favorites_panel.cpp" line="105"/>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="34"/>
        <location filename="../src/ui/view/favorites_panel.cpp" line="105"/>
        <source>Rd</source>
        <translation>Rd</translation>
    </message>
    <message>
        <location filename="../src/ui/view/favorites_panel.cpp" line="48"/>
        <source>Favorite channels</source>
        <translation>Favoritenkanäle</translation>
    </message>
</context>
<context>
    <name>vq::FindBar</name>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="30"/>
        <source>Find previous</source>
        <translation>Vorheriges suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="31"/>
        <source>Find next</source>
        <translation>Nächstes suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="32"/>
        <location filename="../src/ui/view/find_bar.cpp" line="40"/>
        <source>Select all matches</source>
        <translation>Alle Treffer auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="34"/>
        <source>Close find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="36"/>
        <source>Find bar</source>
        <translation>Suchleiste</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="38"/>
        <source>Find text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="39"/>
        <source>Name, frequency, service id or PID</source>
        <translation>Name, Frequenz, Service-ID oder PID</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="42"/>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <location filename="../src/ui/view/find_bar.cpp" line="47"/>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
</context>
<context>
    <name>vq::FlashWritingDialog</name>
    <message>
        <location filename="../src/ui/dialogs/usb_flash_writing_dialog.cpp" line="37"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/usb_flash_writing_dialog.h" line="21"/>
        <source>DO NOT TURN OFF YOUR RECEIVER!!!</source>
        <translation>SCHALTEN SIE IHREN RECEIVER NICHT AUS!!!</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/usb_flash_writing_dialog.h" line="22"/>
        <source>Writing to the flash...</source>
        <translation>Flash-Speicher wird beschrieben...</translation>
    </message>
</context>
<context>
    <name>vq::GeneralSettingsPage</name>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="49"/>
        <source>Post Edit Action:</source>
        <translation>Aktion nach dem Bearbeiten:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="50"/>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="54"/>
        <source>Ask every time</source>
        <translation>Jedes Mal fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="50"/>
        <source>Save automatically</source>
        <translation>Automatisch speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="50"/>
        <source>Save manually only</source>
        <translation>Nur manuell speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="51"/>
        <source>Auto Save Changes: </source>
        <translation>Änderungen automatisch speichern: </translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="52"/>
        <source>Auto Collapse:</source>
        <translation>Automatisch zuklappen:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="53"/>
        <source>Default Network Use:</source>
        <translation>Netzwerk standardmäßig verwenden:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="55"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="56"/>
        <source>Select satellite</source>
        <translation>Satellit auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="57"/>
        <source>Select transponder</source>
        <translation>Transponder auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="58"/>
        <source>Channel pasting mode(sat not found):</source>
        <translation>Kanäle einfügen (Satellit nicht gefunden):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="60"/>
        <source>Channel pasting mode(tp not found):</source>
        <translation>Kanäle einfügen (Transponder nicht gefunden):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="61"/>
        <source>Create transponder</source>
        <translation>Transponder anlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="62"/>
        <source>Transponder pasting mode(sat not found):</source>
        <translation>Transponder einfügen (Satellit nicht gefunden):</translation>
    </message>
</context>
<context>
    <name>vq::GridAccessible</name>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="144"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="145"/>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="146"/>
        <source>option list</source>
        <translation>Auswahlliste</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="147"/>
        <source>editable option list</source>
        <translation>bearbeitbare Auswahlliste</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="148"/>
        <source>number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="149"/>
        <source>percentage</source>
        <translation>Prozentwert</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="150"/>
        <source>push button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="151"/>
        <source>check box</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="152"/>
        <source>date/time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="153"/>
        <source>group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/grid_accessible.cpp" line="154"/>
        <source>radio choice</source>
        <translation>Optionsfeld</translation>
    </message>
</context>
<context>
    <name>vq::ImportSummaryDialog</name>
    <message>
        <location filename="../src/ui/dialogs/import_summary_dialog.cpp" line="21"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/import_summary_dialog.cpp" line="27"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/import_summary_dialog.cpp" line="35"/>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
</context>
<context>
    <name>vq::InterchangeCommands</name>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="31"/>
        <source>

Nothing was changed.</source>
        <translation>

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="52"/>
        <source>

What was imported from %1 up to there stays.</source>
        <translation>

Was bis dahin aus %1 importiert wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="55"/>
        <source>Nothing of %1 could be used; nothing was changed.</source>
        <translation>Nichts aus %1 war verwendbar; es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="57"/>
        <source>Everything in %1 is already there; nothing was changed.</source>
        <translation>Alles aus %1 ist bereits vorhanden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="59"/>
        <source>Imported from %1.</source>
        <translation>Aus %1 importiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="77"/>
        <source>%1 sorts its channels into %2 group: %3.

Make them favourite groups? A group joins the favourite group of the same name, else takes the next favourite group without channels.</source>
        <translation>%1 ordnet seine Kanäle in %2 Gruppe: %3.

Sollen daraus Favoritengruppen werden? Eine Gruppe kommt zur gleichnamigen Favoritengruppe, sonst in die nächste Favoritengruppe ohne Kanäle.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="81"/>
        <source>%1 sorts its channels into %2 groups: %3.

Make them favourite groups? A group joins the favourite group of the same name, else takes the next favourite group without channels.</source>
        <translation>%1 ordnet seine Kanäle in %2 Gruppen: %3.

Sollen daraus Favoritengruppen werden? Eine Gruppe kommt zur gleichnamigen Favoritengruppe, sonst in die nächste Favoritengruppe ohne Kanäle.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="89"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="151"/>
        <source>%1 is larger than %2 MB, too large for a channel list.</source>
        <translation>%1 ist größer als %2 MB, zu groß für eine Kanalliste.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="173"/>
        <source>Import VDR channel list</source>
        <translation>VDR-Kanalliste importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="195"/>
        <source>Import DVB scan table</source>
        <translation>DVB-Suchlauftabelle importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="214"/>
        <source>Take the favourite groups of %1 as well? Their names and members replace the eight favourite groups of this file.</source>
        <translation>Auch die Favoritengruppen von %1 übernehmen? Ihre Namen und Mitglieder ersetzen die acht Favoritengruppen dieser Datei.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="218"/>
        <source>Order channels like another list</source>
        <translation>Kanäle wie eine andere Liste ordnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="225"/>
        <source>Ordered like %1.</source>
        <translation>Wie %1 geordnet.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="227"/>
        <source>The channels already follow %1; nothing was changed.</source>
        <translation>Die Kanäle folgen bereits %1; es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="254"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="259"/>
        <source>Exported %1 channel to %2!</source>
        <translation>%1 Kanal nach %2 exportiert!</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_commands.cpp" line="259"/>
        <source>Exported %1 channels to %2!</source>
        <translation>%1 Kanäle nach %2 exportiert!</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.cpp" line="22"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.cpp" line="34"/>
        <source>VDR channel lists (*.conf);;All files (*)</source>
        <translation>VDR-Kanallisten (*.conf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.cpp" line="41"/>
        <source>Channel lists (*.bin *.conf *.csv *.txt);;Settings Files (*.bin);;VDR channel lists (*.conf);;CSV and text lists (*.csv *.txt);;All files (*)</source>
        <translation>Kanallisten (*.bin *.conf *.csv *.txt);;Einstellungsdateien (*.bin);;VDR-Kanallisten (*.conf);;CSV- und Textlisten (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.cpp" line="48"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.h" line="22"/>
        <source>Import VDR Channel List</source>
        <translation>VDR-Kanalliste importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.h" line="24"/>
        <source>Import DVB Scan Table</source>
        <translation>DVB-Suchlauftabelle importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.h" line="26"/>
        <source>Order Channels Like Another List</source>
        <translation>Kanäle wie eine andere Liste ordnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.h" line="28"/>
        <source>Export VDR Channel List</source>
        <translation>VDR-Kanalliste exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/interchange_dialogs.h" line="30"/>
        <source>Export Channel List as CSV</source>
        <translation>Kanalliste als CSV exportieren</translation>
    </message>
</context>
<context>
    <name>vq::ListColumns</name>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="12"/>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="9"/>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="9"/>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="13"/>
        <location filename="../src/ui/view/favorite_members_model.cpp" line="11"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="14"/>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="11"/>
        <source>Freq</source>
        <translation>Freq</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="15"/>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="12"/>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="16"/>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="13"/>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="17"/>
        <source>VPID</source>
        <translation>VPID</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="18"/>
        <source>APID</source>
        <translation>APID</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="19"/>
        <source>$</source>
        <translation>$</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="20"/>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="21"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="22"/>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="23"/>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="24"/>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="25"/>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="18"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/ui/view/channel_list_model.cpp" line="26"/>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="11"/>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="19"/>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="10"/>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="12"/>
        <source>Low</source>
        <translation>Tief</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="13"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="14"/>
        <source>22k</source>
        <translation>22k</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="15"/>
        <source>12V</source>
        <translation>12V</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="16"/>
        <source>DiSeqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="17"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="18"/>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="19"/>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location filename="../src/ui/view/satellite_list_model.cpp" line="20"/>
        <source>MI</source>
        <translation>MI</translation>
    </message>
    <message>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="10"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="14"/>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="15"/>
        <source>FTA</source>
        <translation>FTA</translation>
    </message>
    <message>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="16"/>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <location filename="../src/ui/view/transponder_list_model.cpp" line="17"/>
        <source>Chns</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="33"/>
        <source>Settings Category</source>
        <translation>Einstellungskategorie</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="34"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>vq::MoveToNumberDialog</name>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="81"/>
        <source>Move To Number</source>
        <translation>Auf Nummer verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="84"/>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="86"/>
        <source>The selected channels (%1) move as a block, in their order, to start at number:</source>
        <translation>Die ausgewählten Kanäle (%1) werden als Block in ihrer Reihenfolge verschoben und beginnen bei Nummer:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="93"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
</context>
<context>
    <name>vq::PaneHost</name>
    <message>
        <location filename="../src/ui/panes/pane_host.cpp" line="83"/>
        <source>Edit Channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/pane_host.cpp" line="83"/>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/pane_host.cpp" line="83"/>
        <source>Edit Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/pane_host.cpp" line="84"/>
        <source>Edit Settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/panes/pane_host.cpp" line="86"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>vq::PresetMenuCommands</name>
    <message>
        <location filename="../src/ui/app/commands/preset_menu_commands.cpp" line="105"/>
        <source>Import Preset data</source>
        <translation>Preset-Daten importieren</translation>
    </message>
</context>
<context>
    <name>vq::RecordTableView</name>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="64"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="94"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_satellite_dialog.cpp" line="13"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="113"/>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_transponder_dialog.cpp" line="34"/>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="104"/>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="124"/>
        <source>Settings categories</source>
        <translation>Einstellungskategorien</translation>
    </message>
</context>
<context>
    <name>vq::RenameChannelsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="34"/>
        <source>Regular e&amp;xpression ($1 .. $9 name its groups)</source>
        <translation>Regulärer Ausdr&amp;uck ($1 .. $9 nennen seine Gruppen)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="35"/>
        <source>&amp;Ignore case</source>
        <translation>&amp;Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="36"/>
        <source>The &amp;selected channels (%1)</source>
        <translation>Die au&amp;sgewählten Kanäle (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="37"/>
        <source>&amp;All channels</source>
        <translation>&amp;Alle Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="41"/>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="42"/>
        <source>Rename Channels</source>
        <translation>Kanäle umbenennen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="44"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="45"/>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="49"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="58"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="61"/>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="63"/>
        <source>Replace &amp;with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="106"/>
        <source>&quot;%1&quot; is not a Latin-1 character; names hold Latin-1 only.</source>
        <translation>„%1“ ist kein Latin-1-Zeichen; Namen enthalten nur Latin-1.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="115"/>
        <source>Names refused: %1. Change the rule.</source>
        <translation>Abgelehnte Namen: %1. Bitte die Regel ändern.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_channels_dialog.cpp" line="117"/>
        <source>Names that change: %1</source>
        <translation>Namen, die sich ändern: %1</translation>
    </message>
</context>
<context>
    <name>vq::RenamePreviewModel</name>
    <message>
        <location filename="../src/ui/dialogs/rename_preview_model.cpp" line="35"/>
        <source>Cut to 20 bytes</source>
        <translation>Auf 20 Bytes gekürzt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_preview_model.cpp" line="45"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_preview_model.cpp" line="47"/>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/rename_preview_model.cpp" line="49"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>vq::ScanTableDownload</name>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="24"/>
        <source>larger than %1 KB</source>
        <translation>größer als %1 KB</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="40"/>
        <source>no data for %1 s</source>
        <translation>keine Daten seit %1 s</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="42"/>
        <source>not complete after %1 s</source>
        <translation>nach %1 s nicht vollständig</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="83"/>
        <source>Reading the list of scan tables ...</source>
        <translation>Liste der Scan-Tabellen wird gelesen ...</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="84"/>
        <source>Downloading %1 ...</source>
        <translation>%1 wird heruntergeladen ...</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="120"/>
        <source>the server answered %1</source>
        <translation>der Server antwortete %1</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="133"/>
        <source>The scan tables at %1 cannot be reached: %2.</source>
        <translation>Die Scan-Tabellen unter %1 sind nicht erreichbar: %2.</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="144"/>
        <source>The list of scan tables at %1 could not be read (%2); only the names of the installed tables were tried.</source>
        <translation>Die Liste der Scan-Tabellen unter %1 konnte nicht gelesen werden (%2); nur die Namen der installierten Tabellen wurden versucht.</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_download.cpp" line="186"/>
        <source>not read: an update reads at most %1 KB</source>
        <translation>nicht gelesen: Eine Aktualisierung liest höchstens %1 KB</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/download_module.cpp" line="14"/>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/download_module.cpp" line="15"/>
        <source>The network part of the program cannot be loaded (%1: %2).</source>
        <translation>Der Netzwerkteil des Programms kann nicht geladen werden (%1: %2).</translation>
    </message>
</context>
<context>
    <name>vq::ScanTableFetch</name>
    <message>
        <location filename="../src/interchange/qt/scan_table_fetch.cpp" line="59"/>
        <source>The scan tables cannot be read: %1.</source>
        <translation>Die Scan-Tabellen können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_fetch.cpp" line="60"/>
        <source>%1 The installed tables cannot be read either: %2.</source>
        <translation>%1 Die installierten Tabellen können ebenfalls nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/interchange/qt/scan_table_fetch.cpp" line="65"/>
        <source>%1 The installed tables in %2 were used instead.</source>
        <translation>%1 Stattdessen wurden die installierten Tabellen in %2 verwendet.</translation>
    </message>
</context>
<context>
    <name>vq::ScanTableSettingsPage</name>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="161"/>
        <source>Scan tables from</source>
        <translation>Suchlauftabellen aus</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="162"/>
        <source>Scan tables from:</source>
        <translation>Suchlauftabellen aus:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="164"/>
        <source>Public collection</source>
        <translation>Öffentliche Sammlung</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="166"/>
        <source>Folder...</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="167"/>
        <source>Choose a folder of scan tables</source>
        <translation>Einen Ordner mit Suchlauftabellen wählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="173"/>
        <source>A base URL (http:// or https://) or a folder of dvbv5 scan tables. When a web source cannot be reached, the installed tables in %1 are used.</source>
        <translation>Eine Basis-URL (http:// oder https://) oder ein Ordner mit dvbv5-Suchlauftabellen. Ist eine Quelle im Netz nicht erreichbar, werden die installierten Tabellen in %1 verwendet.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/config/editor_config_dialog_pages.cpp" line="199"/>
        <source>Folder of scan tables</source>
        <translation>Ordner mit Suchlauftabellen</translation>
    </message>
</context>
<context>
    <name>vq::SelectChannelDialog</name>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="32"/>
        <source>Select Channel</source>
        <translation>Kanal auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="32"/>
        <source>No Selection</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="37"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="38"/>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="39"/>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="60"/>
        <source>TV Channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="61"/>
        <source>Radio Channels</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="62"/>
        <source>Data Channels</source>
        <translation>Datenkanäle</translation>
    </message>
</context>
<context>
    <name>vq::SelectChannelsToCopyDialog</name>
    <message>
        <location filename="../src/ui/dialogs/select_channels_to_copy_dialog.cpp" line="9"/>
        <source>Select channels to copy</source>
        <translation>Zu kopierende Kanäle auswählen</translation>
    </message>
</context>
<context>
    <name>vq::SelectCopyTreeDialog</name>
    <message>
        <location filename="../src/ui/dialogs/select_copy_tree_dialog.cpp" line="10"/>
        <source>Select transponders and channels to copy</source>
        <translation>Zu kopierende Transponder und Kanäle auswählen</translation>
    </message>
</context>
<context>
    <name>vq::SelectSatelliteDialog</name>
    <message>
        <location filename="../src/ui/dialogs/select_satellite_dialog.cpp" line="10"/>
        <source>Select Satellite</source>
        <translation>Satellit auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_satellite_dialog.cpp" line="10"/>
        <source>No satellite selected!</source>
        <translation>Kein Satellit ausgewählt!</translation>
    </message>
</context>
<context>
    <name>vq::SelectTransponderDialog</name>
    <message>
        <location filename="../src/ui/dialogs/select_transponder_dialog.cpp" line="16"/>
        <source>Select Transponder</source>
        <translation>Transponder auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_transponder_dialog.cpp" line="16"/>
        <source>No transponder selected!</source>
        <translation>Kein Transponder ausgewählt!</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_transponder_dialog.cpp" line="20"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>vq::SelectorBar</name>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="34"/>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_channel_dialog.cpp" line="35"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/select_transponder_dialog.cpp" line="18"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_bar.cpp" line="41"/>
        <source>Previous %1</source>
        <translation>Zurück: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_bar.cpp" line="43"/>
        <source>Next %1</source>
        <translation>Weiter: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_bar.cpp" line="46"/>
        <source>Selection counter</source>
        <translation>Auswahlzähler</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="84"/>
        <source>Channel source</source>
        <translation>Kanalquelle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="85"/>
        <source>Channel type</source>
        <translation>Kanaltyp</translation>
    </message>
    <message>
        <location filename="../src/ui/view/vq_channel_editor_view.cpp" line="103"/>
        <source>Transponder satellite</source>
        <translation>Transpondersatellit</translation>
    </message>
</context>
<context>
    <name>vq::SelectorTexts</name>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="17"/>
        <source>%1 (----------EMPTY----------)</source>
        <translation>%1 (----------LEER----------)</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="27"/>
        <source>%1 (TV: %2, Radio: %3, Data: %4)</source>
        <translation>%1 (TV: %2, Radio: %3, Daten: %4)</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="33"/>
        <source>%1 (TV: %2, Radio: %3)</source>
        <translation>%1 (TV: %2, Radio: %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="39"/>
        <source>%1 ( EMPTY )</source>
        <translation>%1 ( LEER )</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="40"/>
        <source>%1 ( %2 )</source>
        <translation>%1 ( %2 )</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="47"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/selector_texts.cpp" line="48"/>
        <location filename="../src/ui/view/selector_texts.cpp" line="53"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>vq::SerialComCommands</name>
    <message>
        <location filename="../src/document/qt/serial_com_commands.cpp" line="21"/>
        <source>Open channel settings from COM port</source>
        <translation>Kanaleinstellungen vom COM-Port öffnen</translation>
    </message>
    <message>
        <location filename="../src/document/qt/serial_com_commands.cpp" line="26"/>
        <source>Save channel settings to COM port</source>
        <translation>Kanaleinstellungen auf den COM-Port speichern</translation>
    </message>
    <message>
        <location filename="../src/document/qt/serial_com_commands.cpp" line="65"/>
        <source>Settings successfully saved to receiver!</source>
        <translation>Einstellungen erfolgreich im Receiver gespeichert!</translation>
    </message>
</context>
<context>
    <name>vq::SerialTransferDialog</name>
    <message>
        <location filename="../src/ui/dialogs/serial_transfer_dialog.cpp" line="40"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/serial_transfer_dialog.cpp" line="85"/>
        <source>Opening settings from COM port ...</source>
        <translation>Einstellungen werden vom COM-Port geöffnet ...</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/serial_transfer_dialog.cpp" line="86"/>
        <source>Saving settings to COM port ...</source>
        <translation>Einstellungen werden auf dem COM-Port gespeichert ...</translation>
    </message>
</context>
<context>
    <name>vq::SettingsCategoryModel</name>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="15"/>
        <source>Picture format, video output and TV system</source>
        <translation>Bildformat, Videoausgang und Fernsehnorm</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="16"/>
        <source>Menu, audio and subtitle languages</source>
        <translation>Menü-, Audio- und Untertitelsprachen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="17"/>
        <source>Clock and time zone</source>
        <translation>Uhr und Zeitzone</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="18"/>
        <source>The eight programmed timers</source>
        <translation>Die acht programmierten Timer</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="19"/>
        <source>Lock code and locked menus</source>
        <translation>Sperrcode und gesperrte Menüs</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="20"/>
        <source>On-screen display and remote control keys</source>
        <translation>Bildschirmanzeige und Fernbedienungstasten</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="21"/>
        <source>Standby and antenna power</source>
        <translation>Standby und Antennenspeisung</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="22"/>
        <source>Address and login of the receiver&apos;s network connection</source>
        <translation>Adresse und Anmeldung der Netzwerkverbindung des Receivers</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="24"/>
        <source>Volume, location and the F1 button</source>
        <translation>Lautstärke, Standort und die F1-Taste</translation>
    </message>
    <message>
        <location filename="../src/ui/view/settings_category_model.cpp" line="25"/>
        <source>Diagnostic settings of the receiver</source>
        <translation>Diagnoseeinstellungen des Receivers</translation>
    </message>
</context>
<context>
    <name>vq::SortChannelsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="38"/>
        <source>The &amp;selected channels (%1)</source>
        <translation>Die au&amp;sgewählten Kanäle (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="39"/>
        <source>&amp;All channels of the list (%1)</source>
        <translation>&amp;Alle Kanäle der Liste (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="40"/>
        <source>S&amp;tart at number:</source>
        <translation>Bei Nummer &amp;beginnen:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="42"/>
        <source>Sort Channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="44"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="44"/>
        <source>Satellite, frequency, service id</source>
        <translation>Satellit, Frequenz, Service-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="44"/>
        <source>Network (provider)</source>
        <translation>Netzwerk (Anbieter)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="45"/>
        <source>Service id</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="46"/>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="47"/>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="47"/>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="48"/>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="53"/>
        <source>Start number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="57"/>
        <source>The sorted channels take the numbers they held, or start at the number given; the others keep their order.</source>
        <translation>Die sortierten Kanäle erhalten die Nummern, die sie hatten, oder beginnen bei der angegebenen Nummer; die anderen behalten ihre Reihenfolge.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="61"/>
        <source>Sort &amp;by:</source>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="62"/>
        <source>&amp;Order:</source>
        <translation>&amp;Reihenfolge:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/sort_channels_dialog.cpp" line="69"/>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
</context>
<context>
    <name>vq::StatisticsPanel</name>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="25"/>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="26"/>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="27"/>
        <source>Total Channels</source>
        <translation>Kanäle gesamt</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="28"/>
        <source>TV Channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="29"/>
        <source>Radio Channels</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="30"/>
        <source>Data Channels</source>
        <translation>Datenkanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="40"/>
        <source>Use Network Settings (for FAE)</source>
        <translation>Netzwerkeinstellungen nutzen (für FAE)</translation>
    </message>
    <message>
        <location filename="../src/ui/view/statistics_panel.cpp" line="42"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>vq::TickTreeDialog</name>
    <message>
        <location filename="../src/ui/dialogs/tick_tree_dialog.cpp" line="56"/>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/tick_tree_dialog.cpp" line="56"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/tick_tree_dialog.cpp" line="57"/>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
</context>
<context>
    <name>vq::TidyMenuCommands</name>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="32"/>
        <source>Find Dup&amp;licates...</source>
        <translation>Doppelte &amp;Kanäle finden...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="33"/>
        <source>Find channels that are the same service and remove the others</source>
        <translation>Kanäle finden, die derselbe Dienst sind, und die anderen entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="34"/>
        <source>S&amp;ort Channels...</source>
        <translation>Kanäle s&amp;ortieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="34"/>
        <source>Sort the selected channels or the whole list</source>
        <translation>Die ausgewählten Kanäle oder die ganze Liste sortieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="36"/>
        <source>&amp;Move To Number...</source>
        <translation>Auf &amp;Nummer verschieben...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="37"/>
        <source>Move the selected channels as a block to a number</source>
        <translation>Die ausgewählten Kanäle als Block auf eine Nummer verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="38"/>
        <source>Re&amp;name Channels...</source>
        <translation>Kanäle &amp;umbenennen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="38"/>
        <source>Find and replace in the names of channels</source>
        <translation>In den Namen der Kanäle suchen und ersetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="78"/>
        <source>Remove Duplicates</source>
        <translation>Doppelte Kanäle entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="91"/>
        <source>Sort Channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="101"/>
        <source>Move To Number</source>
        <translation>Auf Nummer verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/app/commands/tidy_menu_commands.cpp" line="115"/>
        <source>Rename Channels</source>
        <translation>Kanäle umbenennen</translation>
    </message>
</context>
<context>
    <name>vq::TransponderReviewDialog</name>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="16"/>
        <source>Scan tables from %1.</source>
        <translation>Suchlauftabellen aus %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="30"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="31"/>
        <source>Update Channels from Internet</source>
        <translation>Kanäle aus dem Internet aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="38"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="42"/>
        <source>Tick the differences to apply. Transponders that would take channels with them start unticked.</source>
        <translation>Haken Sie die Unterschiede an, die angewendet werden sollen. Transponder, die Kanäle mitnehmen würden, sind zu Beginn nicht angehakt.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="47"/>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="62"/>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="86"/>
        <source>No differences: there is nothing to apply.</source>
        <translation>Keine Unterschiede: Es gibt nichts anzuwenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="87"/>
        <source>%1 of %2 differences ticked.</source>
        <translation>%1 von %2 Unterschieden angehakt.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_dialog.cpp" line="89"/>
        <source> Applying removes %1 channels.</source>
        <translation> Das Anwenden entfernt %1 Kanäle.</translation>
    </message>
</context>
<context>
    <name>vq::TransponderReviewModel</name>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="15"/>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="16"/>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="17"/>
        <source>Becomes</source>
        <translation>Wird zu</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="18"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="19"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="41"/>
        <source>Tables: %1</source>
        <translation>Tabellen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="45"/>
        <source>Table %1 skipped: %2</source>
        <translation>Tabelle %1 übersprungen: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="47"/>
        <source>Transponders no longer listed are not shown: a table was skipped.</source>
        <translation>Nicht mehr aufgeführte Transponder werden nicht gezeigt: Eine Tabelle wurde übersprungen.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="51"/>
        <source>Listed transponders outside the LNB&apos;s range, left out: %1</source>
        <translation>Aufgeführte Transponder außerhalb des LNB-Bereichs, ausgelassen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="140"/>
        <source>%1 line %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="149"/>
        <source>; applying it removes its channels</source>
        <translation>; das Anwenden entfernt seine Kanäle</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/transponder_review_model.cpp" line="155"/>
        <source>Applying removes this transponder with its %1 channels</source>
        <translation>Das Anwenden entfernt diesen Transponder mit seinen %1 Kanälen</translation>
    </message>
</context>
<context>
    <name>vq::UsbReceiverCommands</name>
    <message>
        <location filename="../src/document/qt/usb_receiver_commands.cpp" line="95"/>
        <source>The receiver&apos;s current settings could not be read into the backups.
Write to the receiver anyway?</source>
        <translation>Die aktuellen Einstellungen des Receivers konnten nicht in die Sicherungen gelesen werden.
Trotzdem in den Receiver schreiben?</translation>
    </message>
    <message>
        <location filename="../src/document/qt/usb_receiver_commands.cpp" line="130"/>
        <source>Settings successfully saved to receiver!</source>
        <translation>Einstellungen erfolgreich im Receiver gespeichert!</translation>
    </message>
    <message>
        <location filename="../src/document/qt/usb_receiver_commands.h" line="25"/>
        <source>Open channel settings from USB port</source>
        <translation>Kanaleinstellungen vom USB-Port öffnen</translation>
    </message>
    <message>
        <location filename="../src/document/qt/usb_receiver_commands.h" line="26"/>
        <source>Save channel settings to USB port</source>
        <translation>Kanaleinstellungen auf den USB-Port speichern</translation>
    </message>
</context>
<context>
    <name>vq::UsbTransferDialog</name>
    <message>
        <location filename="../src/ui/dialogs/usb_transfer_dialog.cpp" line="24"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/usb_transfer_dialog.h" line="26"/>
        <source>Opening settings from USB port ...</source>
        <translation>Einstellungen werden vom USB-Port geöffnet ...</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/usb_transfer_dialog.h" line="27"/>
        <source>Saving settings to USB port ...</source>
        <translation>Einstellungen werden auf dem USB-Port gespeichert ...</translation>
    </message>
</context>
<context>
    <name>vq::ViewClipboard</name>
    <message>
        <location filename="../src/ui/view/view_clipboard.cpp" line="153"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_clipboard.cpp" line="162"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_clipboard.cpp" line="167"/>
        <source>Apply attributes</source>
        <translation>Attribute übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_clipboard.cpp" line="173"/>
        <source>Apply attributes and paste</source>
        <translation>Attribute übernehmen und einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_clipboard.cpp" line="188"/>
        <source>Apply all settings</source>
        <translation>Alle Einstellungen übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/view/view_clipboard.cpp" line="188"/>
        <source>Apply category settings</source>
        <translation>Einstellungen der Kategorie übernehmen</translation>
    </message>
</context>
</TS>
