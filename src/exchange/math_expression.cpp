#include "exchange/math_expression.h"

#include <cstdlib>

#include "exchange/single_float.h"
#include "platform/numeric.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/';
}

std::vector<std::string> Tokens(const std::string& rewritten) {
  std::vector<std::string> tokens;
  std::string token;
  for (char c : rewritten + ",") {
    if (c == ',' || c == '\n' || c == '\r') {
      if (!token.empty()) tokens.push_back(token);
      token.clear();
    } else {
      token += c;
    }
  }
  return tokens;
}

std::optional<MathExpression::Operand> ParseOperand(const std::string& token) {
  if (token.size() == 2 && (token[0] == 'h' || token[0] == 'H') && token[1] >= '1' &&
      token[1] <= '3')
    return MathExpression::Operand{token[1] - '1', 0.0};
  char* end = nullptr;
  double value = std::strtod(token.c_str(), &end);
  if (end == token.c_str() || *end != '\0') return std::nullopt;
  return MathExpression::Operand{-1, value};
}

}  // namespace

std::string RewriteExpression(std::string_view command_line) {
  std::string out;
  char previous = '\0';
  for (char c : command_line) {
    if (c == ' ' || c == '\t' || c == '=') continue;
    if (IsOperator(c) && previous != '\0' && !IsOperator(previous)) {
      out += ',';
      out += c;
      out += ',';
    } else {
      out += c;
    }
    previous = c;
  }
  return out;
}

std::optional<MathExpression> ParseExpression(std::string_view command_line, std::string& error) {
  std::vector<std::string> tokens = Tokens(RewriteExpression(command_line));
  MathExpression expression;
  if (tokens.empty()) {
    error = "the expression is empty";
    return std::nullopt;
  }
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (i % 2 == 1) {
      if (tokens[i].size() != 1 || !IsOperator(tokens[i][0])) {
        error = FormatText("\"%s\" is not an operator (+ - * /)", tokens[i].c_str());
        return std::nullopt;
      }
      expression.operators.push_back(tokens[i][0]);
    } else if (auto operand = ParseOperand(tokens[i])) {
      expression.operands.push_back(*operand);
    } else {
      error = FormatText("\"%s\" is not h1, h2, h3 or a number", tokens[i].c_str());
      return std::nullopt;
    }
  }
  if (tokens.size() % 2 == 0) {
    error = "the expression ends with an operator";
    return std::nullopt;
  }
  return expression;
}

std::int16_t EvaluateCell(const MathExpression& expression, const std::int16_t inputs[3]) {
  auto value_of = [&](const MathExpression::Operand& operand) {
    return operand.input >= 0 ? static_cast<float>(inputs[operand.input])
                              : ToSingle(operand.number);
  };
  float value = value_of(expression.operands[0]);
  if (value == HORIZON_NULL) return HORIZON_NULL;
  for (std::size_t k = 0; k < expression.operators.size(); ++k) {
    float operand = value_of(expression.operands[k + 1]);
    if (operand == HORIZON_NULL) return HORIZON_NULL;
    switch (expression.operators[k]) {
      case '+': value += operand; break;
      case '-': value -= operand; break;
      case '*': value *= operand; break;
      default:
        if (operand == 0.0f) return HORIZON_NULL;
        value /= operand;
    }
    if (value == HORIZON_NULL) return HORIZON_NULL;
  }
  return Trunc16(value);
}

HorizonGrid EvaluateExpression(const MathExpression& expression, const HorizonGrid* inputs[3],
                               int rows, int columns) {
  HorizonGrid out(rows, columns, 0);
  std::int16_t cell_inputs[3] = {0, 0, 0};
  for (std::size_t k = 0; k < out.CellCount(); ++k) {
    for (int i = 0; i < 3; ++i)
      cell_inputs[i] = inputs[i] && k < inputs[i]->CellCount() ? inputs[i]->cells[k] : 0;
    out.cells[k] = EvaluateCell(expression, cell_inputs);
  }
  return out;
}

}  // namespace quarrix
