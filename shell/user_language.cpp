#include "user_language.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// The language part of a locale name: "ja" of "ja_JP.UTF-8@cjk".
std::string_view languageOf(std::string_view locale)
{
    return locale.substr(0, locale.find_first_of("_.@"));
}

std::optional<UserLanguage> translationFor(std::string_view locale)
{
    const std::string_view language = languageOf(locale);
    if (language == "ja")
        return UserLanguage::Japanese;
    if (language == "en")
        return UserLanguage::English;
    return std::nullopt;
}

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

}

UserLanguage UserLanguageOf(const LocaleVariables& variables)
{
    std::string_view locale = "C";
    for (const std::string* candidate : {&variables.all, &variables.messages, &variables.lang}) {
        if (!candidate->empty()) {
            locale = *candidate;
            break;
        }
    }
    // gettext leaves the plain C locale untranslated whatever LANGUAGE asks for.
    if (locale != "C" && locale != "POSIX") {
        std::string_view list = variables.language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            if (const std::optional<UserLanguage> found = translationFor(list.substr(0, colon)))
                return *found;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    return translationFor(locale).value_or(UserLanguage::English);
}

UserLanguage UserLanguageFromEnvironment()
{
    return UserLanguageOf({variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")});
}
