#pragma once
// The texts of the messages that this program's own code puts together (a
// refusal, a notice, the reason inside an error), kept in the language file
// beside the windows' texts under numbers no window of the classic program
// reads, so that a translation covers them too. Code at any level asks for them here: the
// built-in English (the shipped CorD_eng.lng) stands until a language gives
// another text. %1, %2 ... stand for what the code fills in.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// X(name, number): the numbers 103 to 120, which the language file has free.
#define CORVANE_MESSAGE_IDS(X)                                                                                         \
    X(NoLongerExists, 103)     /* a row's file is gone: the path */                                                    \
    X(NamesAlike, 104)         /* several files fit a row: its path; the files follow */                               \
    X(NotMovedToTrash, 105)    /* the file, the reason */                                                              \
    X(NoHelp, 106)             /* F1 without help pages */                                                             \
    X(CommentMisfits, 107)     /* the catalog, the characters its line's code page lacks */                            \
    X(CommentEntryGone, 108)   /* the catalog */                                                                       \
    X(RootNameNotUtf8, 109)    /* the folder */                                                                        \
    X(RootReadsAsAnother, 110) /* the catalog, the folder */                                                           \
    X(DirectoryMissing, 111)   /* Create with a folder that is gone */                                                 \
    X(NotAnswering, 112)       /* another copy holds the lock but does not answer */                                   \
    X(SettingsUnwritable, 113) /* the settings file */                                                                 \
    X(LockInTheWay, 114)       /* what is there (one of 115), the lock file */                                         \
    X(LockBlockers, 115)       /* "|" between: folder, link, FIFO, socket, file with data, device */                   \
    X(LockNotTaken, 116)       /* the lock file */                                                                     \
    X(MoveOntoItself, 117)     /* the file, the target */                                                              \
    X(SourceChanged, 118)      /* the file, its copy */                                                                \
    X(RenameOntoItself, 119)   /* the catalog, the new name */                                                         \
    X(TrashInsideVolume, 120)  /* the mount point */

enum class MessageId : int {
#define CORVANE_MESSAGE_ID_ENUM(name, number) name = number,
    CORVANE_MESSAGE_IDS(CORVANE_MESSAGE_ID_ENUM)
#undef CORVANE_MESSAGE_ID_ENUM
};

// Every message, in number order.
inline constexpr MessageId AllMessageIds[] = {
#define CORVANE_MESSAGE_ID_LIST(name, number) MessageId::name,
    CORVANE_MESSAGE_IDS(CORVANE_MESSAGE_ID_LIST)
#undef CORVANE_MESSAGE_ID_LIST
};

inline constexpr int FirstMessageNumber = 103;
inline constexpr int LastMessageNumber = 120;

// The current language's text of id, each %n replaced by the n-th of args.
// Safe on any thread.
std::string MessageText(MessageId id, std::initializer_list<std::string_view> args = {});

// The piece'th of the "|"-separated pieces of id's text ("" past the last).
std::string MessagePiece(MessageId id, std::size_t piece);

// True when number is a message's.
bool IsMessageNumber(int number);

// A language's text for a message number; an empty one keeps the English,
// so that no message ever shows empty. Numbers that are no message's are
// ignored.
void SetMessageText(int number, std::string_view text);

// Every message back to the built-in English.
void UseEnglishMessages();

// The bytes of the shipped English language file, compiled in.
std::string_view EnglishLanguageBytes();
