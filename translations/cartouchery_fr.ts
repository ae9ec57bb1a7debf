<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Texts</name>
    <message>
        <source>%1 opens no files: %2</source>
        <translation>%1 n’ouvre aucun fichier : %2</translation>
    </message>
    <message>
        <source>The window cannot be built:
%1</source>
        <translation>La fenêtre ne peut pas être construite :
%1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>empties the strip</source>
        <translation>vide le bandeau</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Écrire %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Remove the last sign</source>
        <translation>Retirer le dernier signe</translation>
    </message>
    <message>
        <source>unknown sign</source>
        <translation>signe inconnu</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1; full</source>
        <translation>%1 ; plein</translation>
    </message>
    <message>
        <source>the signs written</source>
        <translation>les signes écrits</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

It can be saved as a bitmap (.bmp) or as a PNG picture (.png).</source>
        <translation>L’image n’a pas pu être enregistrée sous
%1

Elle peut être enregistrée en bitmap (.bmp) ou en image PNG (.png).</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>L’image n’a pas pu être enregistrée sous
%1

%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>saves the strip as a picture</source>
        <translation>enregistre le bandeau comme image</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Gardiner code</source>
        <translation>Code de Gardiner</translation>
    </message>
    <message>
        <source>Type a letter, or click its key, to write its sign. The keys:</source>
        <translation>Tapez une lettre, ou cliquez sur sa touche, pour écrire son signe. Les touches :</translation>
    </message>
    <message>
        <source>The strip shows ten signs; a letter beyond them is refused with a beep.</source>
        <translation>Le bandeau montre dix signes ; une lettre de plus est refusée avec un bip.</translation>
    </message>
    <message>
        <source>Keys and signs</source>
        <translation>Touches et signes</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Writes a name in Egyptian hieroglyphs.&lt;/p&gt;&lt;p&gt;The Cartouchery is free software under the MIT licence.&lt;/p&gt;&lt;p&gt;It uses Qt %2 under the GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Its signs and letters are drawn from the Noto fonts, under the SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;The licence texts come with the program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Écrit un nom en hiéroglyphes égyptiens.&lt;/p&gt;&lt;p&gt;The Cartouchery est un logiciel libre sous licence MIT.&lt;/p&gt;&lt;p&gt;Il utilise Qt %2 sous la GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Ses signes et ses lettres sont dessinés d’après les polices Noto, sous la SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;Les textes des licences accompagnent le programme.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About The Cartouchery</source>
        <translation>À propos de The Cartouchery</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Writes a name in Egyptian hieroglyphs.</source>
        <translation>Écrit un nom en hiéroglyphes égyptiens.</translation>
    </message>
    <message>
        <source>Save the picture as (%1):</source>
        <translation>Enregistrer l’image sous (%1) :</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>sign</name>
    <message>
        <source>vulture</source>
        <translation>vautour</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pied</translation>
    </message>
    <message>
        <source>basket with handle</source>
        <translation>corbeille à anse</translation>
    </message>
    <message>
        <source>hand</source>
        <translation>main</translation>
    </message>
    <message>
        <source>two reed leaves</source>
        <translation>deux feuilles de roseau</translation>
    </message>
    <message>
        <source>horned viper</source>
        <translation>vipère à cornes</translation>
    </message>
    <message>
        <source>jar stand</source>
        <translation>support de jarre</translation>
    </message>
    <message>
        <source>twisted flax</source>
        <translation>lin tordu</translation>
    </message>
    <message>
        <source>reed leaf</source>
        <translation>feuille de roseau</translation>
    </message>
    <message>
        <source>cobra</source>
        <translation>cobra</translation>
    </message>
    <message>
        <source>hill slope</source>
        <translation>pente de colline</translation>
    </message>
    <message>
        <source>mouth</source>
        <translation>bouche</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>chouette</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>quail chick</source>
        <translation>poussin de caille</translation>
    </message>
    <message>
        <source>stool</source>
        <translation>tabouret</translation>
    </message>
    <message>
        <source>reed leaf and quail chick</source>
        <translation>feuille de roseau et poussin de caille</translation>
    </message>
    <message>
        <source>folded cloth</source>
        <translation>étoffe pliée</translation>
    </message>
    <message>
        <source>bread loaf</source>
        <translation>miche de pain</translation>
    </message>
    <message>
        <source>door bolt</source>
        <translation>verrou de porte</translation>
    </message>
</context>
</TS>
