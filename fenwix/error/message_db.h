// The message database "fenmsg.fdb": records of six lines, the first exactly "<FDBRC>",
// the others each wrapped in one delimiter character of any kind:
//
//   <FDBRC>
//   "ERROR"
//   "FENWIX"
//   "FR"
//   [22]
//   "Cet élément existe déjà"
#ifndef FENWIX_ERROR_MESSAGE_DB_H
#define FENWIX_ERROR_MESSAGE_DB_H

#include <string>
#include <vector>

inline constexpr const char kMessageFileName[] = "fenmsg.fdb";
inline constexpr const char kNoMessageFile[] = "no message : file fenmsg.fdb not found";
inline constexpr const char kNoMessage[] = "no message : message error not found";

// The two languages the database holds a text in.
inline constexpr const char kFrench[] = "FR";
inline constexpr const char kEnglish[] = "US";

// The message of the code in the given language, else in the other of "FR" and "US",
// else kNoMessage, from the database's whole contents.
std::string LookupMessage(const std::string& database, int code, const std::string& language);

// The same from the first of the files (UTF-8 paths) that opens, tried in order;
// kNoMessageFile when none does. A file that opens is the only one read, whether it holds
// the code or not.
std::string LookupMessageFile(int code, const std::string& language,
                              const std::vector<std::string>& files);

#endif
