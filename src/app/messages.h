#pragma once
#include <string>
#include <string_view>

namespace fiscalia {

// The program's numbered notices. A number without a text gives "".
// Message 30 ends in today's date, which the caller supplies already
// formatted in the system's short date form.
std::string messageText(int number, std::string_view todayShortDate = {});

// The yes/no questions 1 to 5. Question 3 begins with the name of the file in
// memory, question 4 ends in the record number. Any other number gives "".
std::string questionText(int number, std::string_view currentFileName = {},
                         std::string_view recordNumber = {});

// The reply codes the yes/no window leaves behind.
inline constexpr int YesReply = 6;
inline constexpr int NoReply = 0;

} // namespace fiscalia
