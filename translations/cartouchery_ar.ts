<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Texts</name>
    <message>
        <source>%1 opens no files: %2</source>
        <translation>%1 لا يفتح ملفات: %2</translation>
    </message>
    <message>
        <source>The window cannot be built:
%1</source>
        <translation>تعذّر بناء النافذة:
%1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>empties the strip</source>
        <translation>يُفرغ الشريط</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>اكتب %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Remove the last sign</source>
        <translation>إزالة العلامة الأخيرة</translation>
    </message>
    <message>
        <source>unknown sign</source>
        <translation>علامة غير معروفة</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>%1; full</source>
        <translation>%1؛ ممتلئ</translation>
    </message>
    <message>
        <source>the signs written</source>
        <translation>العلامات المكتوبة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

It can be saved as a bitmap (.bmp) or as a PNG picture (.png).</source>
        <translation>تعذّر حفظ الصورة باسم
%1

يمكن حفظها صورةً نقطية (.bmp) أو صورةَ PNG ‏(.png).</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>تعذّر حفظ الصورة باسم
%1

%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>saves the strip as a picture</source>
        <translation>يحفظ الشريط صورةً</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>حفظ…</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>الحرف</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>العلامة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Gardiner code</source>
        <translation>رمز غاردنر</translation>
    </message>
    <message>
        <source>Type a letter, or click its key, to write its sign. The keys:</source>
        <translation>اكتب حرفًا أو انقر مفتاحه لتكتب علامته. المفاتيح:</translation>
    </message>
    <message>
        <source>The strip shows ten signs; a letter beyond them is refused with a beep.</source>
        <translation>يعرض الشريط عشر علامات؛ ويُرفض أي حرف بعدها بصوت تنبيه.</translation>
    </message>
    <message>
        <source>Keys and signs</source>
        <translation>المفاتيح والعلامات</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;Writes a name in Egyptian hieroglyphs.&lt;/p&gt;&lt;p&gt;The Cartouchery is free software under the MIT licence.&lt;/p&gt;&lt;p&gt;It uses Qt %2 under the GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;Its signs and letters are drawn from the Noto fonts, under the SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;The licence texts come with the program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The Cartouchery %1&lt;/h3&gt;&lt;p&gt;يكتب اسمًا بالهيروغليفية المصرية.&lt;/p&gt;&lt;p&gt;The Cartouchery برنامج حر بموجب رخصة MIT.&lt;/p&gt;&lt;p&gt;يستخدم Qt %2 بموجب رخصة GNU Lesser General Public License 3.0.&lt;/p&gt;&lt;p&gt;رُسمت علاماته وحروفه على مثال خطوط Noto، بموجب رخصة SIL Open Font License 1.1.&lt;/p&gt;&lt;p&gt;نصوص الرخص مرفقة بالبرنامج.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About The Cartouchery</source>
        <translation>حول The Cartouchery</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Writes a name in Egyptian hieroglyphs.</source>
        <translation>يكتب اسمًا بالهيروغليفية المصرية.</translation>
    </message>
    <message>
        <source>Save the picture as (%1):</source>
        <translation>احفظ الصورة باسم (%1):</translation>
    </message>
    <message>
        <source> or </source>
        <translation> أو </translation>
    </message>
</context>
<context>
    <name>sign</name>
    <message>
        <source>vulture</source>
        <translation>نسر</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>قدم</translation>
    </message>
    <message>
        <source>basket with handle</source>
        <translation>سلة بمقبض</translation>
    </message>
    <message>
        <source>hand</source>
        <translation>يد</translation>
    </message>
    <message>
        <source>two reed leaves</source>
        <translation>ورقتا بوص</translation>
    </message>
    <message>
        <source>horned viper</source>
        <translation>أفعى مقرنة</translation>
    </message>
    <message>
        <source>jar stand</source>
        <translation>حامل جرة</translation>
    </message>
    <message>
        <source>twisted flax</source>
        <translation>كتان مجدول</translation>
    </message>
    <message>
        <source>reed leaf</source>
        <translation>ورقة بوص</translation>
    </message>
    <message>
        <source>cobra</source>
        <translation>كوبرا</translation>
    </message>
    <message>
        <source>hill slope</source>
        <translation>منحدر تل</translation>
    </message>
    <message>
        <source>mouth</source>
        <translation>فم</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>بومة</translation>
    </message>
    <message>
        <source>water</source>
        <translation>ماء</translation>
    </message>
    <message>
        <source>quail chick</source>
        <translation>فرخ سمان</translation>
    </message>
    <message>
        <source>stool</source>
        <translation>مقعد</translation>
    </message>
    <message>
        <source>reed leaf and quail chick</source>
        <translation>ورقة بوص وفرخ سمان</translation>
    </message>
    <message>
        <source>folded cloth</source>
        <translation>قماش مطوي</translation>
    </message>
    <message>
        <source>bread loaf</source>
        <translation>رغيف خبز</translation>
    </message>
    <message>
        <source>door bolt</source>
        <translation>مزلاج باب</translation>
    </message>
</context>
</TS>
