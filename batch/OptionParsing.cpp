#include "batch/OptionParsing.h"

#include "batch/BatchOptions.h"

bool TakeOptionValue(const OptionSetters& setters, const std::vector<std::string>& args,
                     std::size_t& i) {
    const auto it = setters.find(args[i]);
    if (it == setters.end())
        return false;
    if (i + 1 == args.size())
        throw UsageError(args[i] + " needs a value");
    it->second(args[++i]);
    return true;
}

void RefuseOptionWord(std::string_view option, std::span<const std::string_view> words,
                      const std::string& value) {
    std::string list;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0)
            list += k + 1 == words.size() ? " or " : ", ";
        list += words[k];
    }
    throw UsageError(std::string(option) + " must be " + list + ", not \"" + value + "\"");
}
