#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Setters of the options that take a value, by option name.
using OptionSetters = std::map<std::string, std::function<void(const std::string&)>>;

// Hands the value after args[i] to the setter of the option args[i] names, moving i onto the
// value; false when args[i] is none of them. Throws UsageError when the value is missing.
bool TakeOptionValue(const OptionSetters& setters, const std::vector<std::string>& args,
                     std::size_t& i);

// One of the words an option takes, and what it stands for.
template <class T>
struct OptionWord {
    std::string_view word;
    T value;
};

// Throws UsageError naming the option and the words it takes.
[[noreturn]] void RefuseOptionWord(std::string_view option, std::span<const std::string_view> words,
                                   const std::string& value);

template <class T, std::size_t N>
T ParseOptionWord(std::string_view option, const std::string& value,
                  const OptionWord<T> (&words)[N]) {
    std::string_view names[N];
    for (std::size_t k = 0; k < N; ++k) {
        if (words[k].word == value)
            return words[k].value;
        names[k] = words[k].word;
    }
    RefuseOptionWord(option, names, value);
}
