#pragma once
// The tables of the skin and language documents, made from the tables the
// program itself uses, one markdown line per element.

#include <string>
#include <vector>

class LangText;
class Skin;
class WindowRegistry;

using DocTable = std::vector<std::string>;

DocTable SkinTemplatesTable(const Skin& skin);
DocTable SkinSectionsTable();
// Every control a skin can place or picture, window by window; makes the windows.
DocTable SkinControlsTable(WindowRegistry& windows);

// Every text number with its name in the code and its English text.
DocTable TextNumbersTable(const LangText& english);
DocTable LabelSectionsTable();

// The registry's windows with the class each is made of ("| `frmLib` | `CatalogBrowser` |"); makes the windows.
DocTable WindowClassRows(WindowRegistry& windows, const std::vector<std::string>& names);
