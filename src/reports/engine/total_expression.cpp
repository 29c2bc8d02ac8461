#include "reports/engine/total_expression.h"

#include <cctype>

#include "data/store/table.h"

namespace reports {

namespace {

class Parser {
  public:
    Parser(std::string_view text, const TableLookup& tables) : text_(text), tables_(tables) {}

    TotalExpression parse() {
        TotalExpression expression{std::string(text_), {}};
        bool negative = take('-');
        if (!negative) take('+');
        for (;;) {
            expression.terms.push_back(term(negative));
            if (take('+')) {
                negative = false;
            } else if (take('-')) {
                negative = true;
            } else {
                break;
            }
        }
        skipBlanks();
        if (pos_ != text_.size()) fail("texto inesperado");
        return expression;
    }

  private:
    ExpressionTerm term(bool negative) {
        ExpressionTerm result;
        result.negative = negative;
        const auto start = pos_;
        const std::string word = identifier();
        if (equalsIgnoringCase(word, "SUM") && take('(')) {
            result.aggregate = true;
            reference(identifier(), result);
            if (!take(')')) fail("falta ')'");
        } else {
            pos_ = start;
            reference(identifier(), result);
        }
        return result;
    }

    void reference(const std::string& tableName, ExpressionTerm& term) {
        if (tableName.empty() || !take('.')) fail("esperava Tabela.Campo");
        const std::string fieldName = identifier();
        if (fieldName.empty()) fail("esperava o nome do campo");
        try {
            term.table = &tables_(tableName);
        } catch (const std::exception&) {
            fail("a tabela " + tableName + " não existe");
        }
        const auto field = term.table->findField(fieldName);
        if (!field) fail("a tabela " + tableName + " não tem o campo " + fieldName);
        term.field = field->index();
    }

    std::string identifier() {
        skipBlanks();
        const auto start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    bool take(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }

    static bool equalsIgnoringCase(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(a[i])) !=
                std::toupper(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw LayoutError("Expressão de total \"" + std::string(text_) + "\": " + what + ".");
    }

    std::string_view text_;
    const TableLookup& tables_;
    std::size_t pos_ = 0;
};

core::Currency currentValue(const ExpressionTerm& term) {
    return core::Currency::fromDouble(term.table->fieldAt(term.field).asFloat());
}

}  // namespace

TotalExpression parseTotalExpression(std::string_view text, const TableLookup& tables) {
    return Parser(text, tables).parse();
}

TotalAccumulator::TotalAccumulator(const TotalExpression& expression)
    : expression_(&expression), sums_(expression.terms.size()) {}

void TotalAccumulator::accumulate() {
    for (std::size_t i = 0; i < sums_.size(); ++i)
        if (expression_->terms[i].aggregate) sums_[i] += currentValue(expression_->terms[i]);
}

core::Currency TotalAccumulator::value() const {
    core::Currency total;
    for (std::size_t i = 0; i < sums_.size(); ++i) {
        const ExpressionTerm& term = expression_->terms[i];
        const core::Currency part = term.aggregate ? sums_[i] : currentValue(term);
        total += term.negative ? -part : part;
    }
    return total;
}

}  // namespace reports
