#pragma once

#include <string>

// The two languages the shell speaks: its own Japanese texts, or their English translation.
enum class UserLanguage { Japanese, English };

// The locale variables as the environment holds them; an unset variable is empty.
struct LocaleVariables {
    std::string language;    // LANGUAGE: a colon-separated priority list, e.g. "fr:en_GB:ja"
    std::string all;         // LC_ALL
    std::string messages;    // LC_MESSAGES
    std::string lang;        // LANG
};

// The language of messages as gettext chooses it: the locale is the first non-empty of LC_ALL,
// LC_MESSAGES and LANG ("C" when all are empty); LANGUAGE is ignored while that locale is "C" or
// "POSIX", otherwise its first entry in Japanese or English decides. Without such an entry the
// locale's own language decides. Anything but Japanese, "C" included, gets English.
UserLanguage UserLanguageOf(const LocaleVariables& variables);

// UserLanguageOf for this process's environment.
UserLanguage UserLanguageFromEnvironment();
