#pragma once
// The English texts compiled into the program: the bytes of the shipped
// CorD_eng.lng, embedded at build time, for when no language file can be read.

class LangText;
class Prompter;

void LoadBuiltInEnglish(Prompter& prompter, LangText& texts);
