// SPDX-License-Identifier: MIT
#pragma once

// The Vorlenta expression evaluator: everything a program needs from it.
//
//   #include <vorlenta/eval.h>
//
//   vorlenta::CEval eval;
//   eval.m_SymbolTable.Add("mass", 72.5);
//   double force = eval.Evaluate("mass*9.81");
//
// CEval (evaluator.h) evaluates infix expressions with named symbols, or
// compiles one into an Expression (compiled_expression.h) to evaluate many
// times with new values; CSymbolTable (symbol_table.h) holds the symbols,
// CStack (value_stack.h) is its stack of VariantValue (variant_value.h),
// EvalError (eval_error.h) is the one error type it raises, EvalResult
// (eval_result.h) a fault as a value, and notice.h the notices of arithmetic
// faults.
// The C++ standard library only; the headers are C++17.

#include <vorlenta/eval/compiled_expression.h>
#include <vorlenta/eval/eval_error.h>
#include <vorlenta/eval/eval_result.h>
#include <vorlenta/eval/evaluator.h>
#include <vorlenta/eval/notice.h>
#include <vorlenta/eval/symbol_collection.h>
#include <vorlenta/eval/symbol_table.h>
#include <vorlenta/eval/value_stack.h>
#include <vorlenta/eval/variant_value.h>
