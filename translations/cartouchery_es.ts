<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Texts</name>
    <message>
        <source>%1 opens no files: %2</source>
        <translation>%1 no abre archivos: %2</translation>
    </message>
    <message>
        <source>The window cannot be built:
%1</source>
        <translation>No se puede construir la ventana:
%1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>empties the strip</source>
        <translation>vacía la tira</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Escribir %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Remove the last sign</source>
        <translation>Quitar el último signo</translation>
    </message>
    <message>
        <source>unknown sign</source>
        <translation>signo desconocido</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1; full</source>
        <translation>%1; llena</translation>
    </message>
    <message>
        <source>the signs written</source>
        <translation>los signos escritos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

It can be saved as a bitmap (.bmp) or as a PNG picture (.png).</source>
        <translation>No se pudo guardar la imagen como
%1

Se puede guardar como mapa de bits (.bmp) o como imagen PNG (.png).</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>No se pudo guardar la imagen como
%1

%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>saves the strip as a picture</source>
        <translation>guarda la tira como imagen</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Gardiner code</source>
        <translation>Código de Gardiner</translation>
    </message>
    <message>
        <source>Type a letter, or click its key, to write its sign. The keys:</source>
        <translation>Escriba una letra, o haga clic en su tecla, para escribir su signo. Las teclas:</translation>
    </message>
    <message>
        <source>The strip shows ten signs; a letter beyond them is refused with a beep.</source>
        <translation>La tira muestra diez signos; una letra más se rechaza con un pitido.</translation>
    </message>
    <message>
        <source>Keys and signs</source>
        <translation>Teclas y signos</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Writes a name in Egyptian hieroglyphs.&lt;/p&gt;&lt;p&gt;The Cartouchery is free software under the MIT licence.&lt;/p&gt;&lt;p&gt;It uses Qt %2 under the GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Its signs and letters are drawn from the Noto fonts, under the SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;The licence texts come with the program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Escribe un nombre en jeroglíficos egipcios.&lt;/p&gt;&lt;p&gt;The Cartouchery es software libre bajo la licencia MIT.&lt;/p&gt;&lt;p&gt;Usa Qt %2 bajo la GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Sus signos y letras están dibujados a partir de las fuentes Noto, bajo la SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;Los textos de las licencias acompañan al programa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About The Cartouchery</source>
        <translation>Acerca de The Cartouchery</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Writes a name in Egyptian hieroglyphs.</source>
        <translation>Escribe un nombre en jeroglíficos egipcios.</translation>
    </message>
    <message>
        <source>Save the picture as (%1):</source>
        <translation>Guardar la imagen como (%1):</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>sign</name>
    <message>
        <source>vulture</source>
        <translation>buitre</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pie</translation>
    </message>
    <message>
        <source>basket with handle</source>
        <translation>cesta con asa</translation>
    </message>
    <message>
        <source>hand</source>
        <translation>mano</translation>
    </message>
    <message>
        <source>two reed leaves</source>
        <translation>dos hojas de junco</translation>
    </message>
    <message>
        <source>horned viper</source>
        <translation>víbora cornuda</translation>
    </message>
    <message>
        <source>jar stand</source>
        <translation>soporte de jarra</translation>
    </message>
    <message>
        <source>twisted flax</source>
        <translation>lino trenzado</translation>
    </message>
    <message>
        <source>reed leaf</source>
        <translation>hoja de junco</translation>
    </message>
    <message>
        <source>cobra</source>
        <translation>cobra</translation>
    </message>
    <message>
        <source>hill slope</source>
        <translation>ladera</translation>
    </message>
    <message>
        <source>mouth</source>
        <translation>boca</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>quail chick</source>
        <translation>polluelo de codorniz</translation>
    </message>
    <message>
        <source>stool</source>
        <translation>taburete</translation>
    </message>
    <message>
        <source>reed leaf and quail chick</source>
        <translation>hoja de junco y polluelo de codorniz</translation>
    </message>
    <message>
        <source>folded cloth</source>
        <translation>tela doblada</translation>
    </message>
    <message>
        <source>bread loaf</source>
        <translation>hogaza de pan</translation>
    </message>
    <message>
        <source>door bolt</source>
        <translation>cerrojo</translation>
    </message>
</context>
</TS>
