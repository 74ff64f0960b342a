#include "catalogue.h"

namespace {

class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text.substr(0, kMaxCatalogueBytes)) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    CatalogueField Next() {
        SkipBlanks();
        CatalogueField next;
        next.offset = pos_;
        std::string& field = next.text;
        if (!AtEnd() && text_[pos_] == '"') {
            next.quoted = true;
            ++pos_;
            while (!AtEnd() && text_[pos_] != '"') {
                Append(field, text_[pos_++]);
            }
            next.quoteClosed = !AtEnd();
            ++pos_; // the closing quote, if any
            // Whatever follows the closing quote up to the separator is not part of the field.
            while (!AtEnd() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
                ++pos_;
            }
        } else {
            while (!AtEnd() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
                Append(field, text_[pos_++]);
            }
            while (!field.empty() && IsBlank(field.back())) {
                field.pop_back();
            }
        }
        next.endsLine = AtEnd() || text_[pos_] != ',';
        SkipSeparator();
        return next;
    }

  private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

    static void Append(std::string& field, char c) {
        // A NUL would cut the text short wherever it is shown; it is never part of a code.
        if (c != '\0' && field.size() < kMaxFieldLength) {
            field.push_back(c);
        }
    }

    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text_[pos_])) {
            ++pos_;
        }
    }

    // One comma, or one line end: CR LF, CR or LF.
    void SkipSeparator() {
        if (AtEnd()) {
            return;
        }
        if (text_[pos_] == '\r') {
            ++pos_;
            if (!AtEnd() && text_[pos_] == '\n') {
                ++pos_;
            }
        } else {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

void VisitCatalogueFields(std::string_view fileText, std::size_t maxFields,
                          const std::function<void(const CatalogueField&)>& visit) {
    FieldReader reader(fileText);
    for (std::size_t count = 0; count < maxFields && !reader.AtEnd(); ++count) {
        visit(reader.Next());
    }
}

SmileyTable ReadCatalogue(std::string_view fileText) {
    SmileyTable table;
    std::size_t slot = 0;
    VisitCatalogueFields(fileText, kCatalogueSlots,
                         [&](const CatalogueField& field) { table[slot++] = field.text; });
    return table;
}

SmileyEntry LookupSmiley(const SmileyTable& table, int index) {
    const auto i = static_cast<std::size_t>(index);
    const std::string& code = table[i];
    const std::string& label = table[i + kSmileyCount];
    return SmileyEntry{kFirstSmileyBitmap + index, code, label, code + "   " + label};
}
