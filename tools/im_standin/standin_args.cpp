#include "standin_args.h"

#include <charconv>

namespace {

constexpr std::size_t kMaxClassNameLength = 255;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool ApplyFlag(std::string_view flag, WindowSpec& layout) {
    if (flag == "noinput") {
        layout.noInput = true;
    } else if (flag == "titled") {
        layout.titled = true;
    } else if (flag == "dieafterchar") {
        layout.dieAfterChar = true;
    } else if (flag == "hangafterchar") {
        layout.hangAfterChar = true;
    } else {
        return false;
    }
    return true;
}

// Stores a single-valued option; a repeated option is a usage error.
bool SetOnce(std::string& target, bool& seen, const std::string& value) {
    if (seen || value.empty()) {
        return false;
    }
    seen = true;
    target = value;
    return true;
}

} // namespace

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::vector<std::string_view> SplitWhitespace(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsSpace(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsSpace(text[i])) {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<WindowSpec> ParseWindowSpec(std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, ',');
    if (parts.size() < 4) {
        return std::nullopt;
    }
    const auto x = ParseInt(parts[0]);
    const auto y = ParseInt(parts[1]);
    const auto width = ParseInt(parts[2]);
    const auto height = ParseInt(parts[3]);
    if (!x || !y || !width || !height || *width < 1 || *height < 1) {
        return std::nullopt;
    }
    WindowSpec layout;
    layout.x = *x;
    layout.y = *y;
    layout.width = *width;
    layout.height = *height;
    for (std::size_t i = 4; i < parts.size(); ++i) {
        if (!ApplyFlag(parts[i], layout)) {
            return std::nullopt;
        }
    }
    return layout;
}

std::optional<Options> ParseCommandLine(const std::vector<std::string>& args) {
    Options options;
    bool seenLog = false;
    bool seenState = false;
    bool seenCommands = false;
    bool seenClass = false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) {
            return std::nullopt; // every option takes a value
        }
        const std::string& value = args[i + 1];
        bool ok = false;
        if (name == "--log") {
            ok = SetOnce(options.logPath, seenLog, value);
        } else if (name == "--state") {
            ok = SetOnce(options.statePath, seenState, value);
        } else if (name == "--commands") {
            ok = SetOnce(options.commandsPath, seenCommands, value);
        } else if (name == "--class") {
            ok =
                SetOnce(options.className, seenClass, value) && value.size() <= kMaxClassNameLength;
        } else if (name == "--window") {
            const auto layout = ParseWindowSpec(value);
            ok = layout.has_value();
            if (ok) {
                options.windows.push_back(*layout);
            }
        }
        if (!ok) {
            return std::nullopt;
        }
    }
    if (!seenLog || options.windows.empty()) {
        return std::nullopt;
    }
    return options;
}
