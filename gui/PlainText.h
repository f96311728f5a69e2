#pragma once
// Texts from language files, catalogs and users are shown as written: never
// read as markup ("<h1>" stays "<h1>", "&amp;" stays "&amp;") and an "&"
// never turns into a shortcut marker.

#include <QString>

class QObject;

// "&" doubled: what a button, check box, group box title or menu item shows as one "&".
QString PlainMnemonicText(const QString& text);
// A tool tip that shows text as written.
QString PlainToolTip(const QString& text);
// The caption of a label, button, check box or menu item; a group box's title
// when title is set. Other controls take it as their "text" property, when they have one.
void SetPlainText(QObject& control, const QString& text, bool title = false);
