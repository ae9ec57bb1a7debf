<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Texts</name>
    <message>
        <source>%1 opens no files: %2</source>
        <translation>%1 öffnet keine Dateien: %2</translation>
    </message>
    <message>
        <source>The window cannot be built:
%1</source>
        <translation>Das Fenster kann nicht aufgebaut werden:
%1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>empties the strip</source>
        <translation>leert den Streifen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>%1 schreiben</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Remove the last sign</source>
        <translation>Letztes Zeichen entfernen</translation>
    </message>
    <message>
        <source>unknown sign</source>
        <translation>unbekanntes Zeichen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1; full</source>
        <translation>%1; voll</translation>
    </message>
    <message>
        <source>the signs written</source>
        <translation>die geschriebenen Zeichen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

It can be saved as a bitmap (.bmp) or as a PNG picture (.png).</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1

Es kann als Bitmap (.bmp) oder als PNG-Bild (.png) gespeichert werden.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1

%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>saves the strip as a picture</source>
        <translation>speichert den Streifen als Bild</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Buchstabe</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Gardiner code</source>
        <translation>Gardiner-Nummer</translation>
    </message>
    <message>
        <source>Type a letter, or click its key, to write its sign. The keys:</source>
        <translation>Tippen Sie einen Buchstaben oder klicken Sie auf seine Taste, um sein Zeichen zu schreiben. Die Tasten:</translation>
    </message>
    <message>
        <source>The strip shows ten signs; a letter beyond them is refused with a beep.</source>
        <translation>Der Streifen zeigt zehn Zeichen; ein weiterer Buchstabe wird mit einem Signalton abgewiesen.</translation>
    </message>
    <message>
        <source>Keys and signs</source>
        <translation>Tasten und Zeichen</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Writes a name in Egyptian hieroglyphs.&lt;/p&gt;&lt;p&gt;The Cartouchery is free software under the MIT licence.&lt;/p&gt;&lt;p&gt;It uses Qt %2 under the GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Its signs and letters are drawn from the Noto fonts, under the SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;The licence texts come with the program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Schreibt einen Namen in ägyptischen Hieroglyphen.&lt;/p&gt;&lt;p&gt;The Cartouchery ist freie Software unter der MIT-Lizenz.&lt;/p&gt;&lt;p&gt;Es verwendet Qt %2 unter der GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Seine Zeichen und Buchstaben sind nach den Noto-Schriften gezeichnet, unter der SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;Die Lizenztexte liegen dem Programm bei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About The Cartouchery</source>
        <translation>Über The Cartouchery</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Writes a name in Egyptian hieroglyphs.</source>
        <translation>Schreibt einen Namen in ägyptischen Hieroglyphen.</translation>
    </message>
    <message>
        <source>Save the picture as (%1):</source>
        <translation>Das Bild speichern als (%1):</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>sign</name>
    <message>
        <source>vulture</source>
        <translation>Geier</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>basket with handle</source>
        <translation>Korb mit Henkel</translation>
    </message>
    <message>
        <source>hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>two reed leaves</source>
        <translation>zwei Schilfblätter</translation>
    </message>
    <message>
        <source>horned viper</source>
        <translation>Hornviper</translation>
    </message>
    <message>
        <source>jar stand</source>
        <translation>Krugständer</translation>
    </message>
    <message>
        <source>twisted flax</source>
        <translation>gedrehter Flachs</translation>
    </message>
    <message>
        <source>reed leaf</source>
        <translation>Schilfblatt</translation>
    </message>
    <message>
        <source>cobra</source>
        <translation>Kobra</translation>
    </message>
    <message>
        <source>hill slope</source>
        <translation>Hügelhang</translation>
    </message>
    <message>
        <source>mouth</source>
        <translation>Mund</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>quail chick</source>
        <translation>Wachtelküken</translation>
    </message>
    <message>
        <source>stool</source>
        <translation>Hocker</translation>
    </message>
    <message>
        <source>reed leaf and quail chick</source>
        <translation>Schilfblatt und Wachtelküken</translation>
    </message>
    <message>
        <source>folded cloth</source>
        <translation>gefaltetes Tuch</translation>
    </message>
    <message>
        <source>bread loaf</source>
        <translation>Brotlaib</translation>
    </message>
    <message>
        <source>door bolt</source>
        <translation>Türriegel</translation>
    </message>
</context>
</TS>
