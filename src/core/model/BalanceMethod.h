#pragma once

// The two balance searches: the step-by-step relaxation of TBoard::Solve, or the Newton search
// of NewtonSolver.
enum class BalanceMethod { Relaxation, Newton };
