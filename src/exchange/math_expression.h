#pragma once
// The expression of horizon math: operands h1, h2, h3 or numbers joined by
// + - * /, evaluated strictly left to right (no precedence) on every cell.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "horizon/horizon_grid.h"

namespace quarrix {

// The command line rewritten once: blanks and "=" dropped, and each operator
// that does not directly follow another operator (or start the text)
// surrounded by commas, so that a sign stays with the number after it.
std::string RewriteExpression(std::string_view command_line);

struct MathExpression {
  struct Operand {
    int input = -1;       // 0..2 for h1..h3, -1 for a number
    double number = 0.0;  // the number when input is -1
  };
  std::vector<Operand> operands;  // one more than operators
  std::vector<char> operators;
};

// Parses a command line; nothing (error says why) when it is not a sequence
// of operands and operators.
std::optional<MathExpression> ParseExpression(std::string_view command_line, std::string& error);

// One cell: any null operand makes the rest null; otherwise single-precision
// arithmetic, a division by zero giving null; the result truncated to 16 bits.
std::int16_t EvaluateCell(const MathExpression& expression, const std::int16_t inputs[3]);

// Every cell of the inputs' grid (inputs may be null when the expression does
// not name them; they read as 0).
HorizonGrid EvaluateExpression(const MathExpression& expression, const HorizonGrid* inputs[3],
                               int rows, int columns);

}  // namespace quarrix
