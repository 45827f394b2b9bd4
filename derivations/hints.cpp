// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints.h"

#include "derivation_search.h"
#include "rewrites.h"
#include "step_check.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace derivations {

namespace {

// The longest route either side takes on its own: the longest chain of the
// catalogue's rows takes 16 steps.
constexpr std::size_t routeSteps = 40;
// Past this many symbols every step of a route looks over thousands of
// rewrites: the hint comes from the derivation search alone.
constexpr std::size_t routeSymbols = 200;
// The search the hint falls back on where the routes do not meet; a tenth
// of the window's own bound, so that a hint comes in a blink.
constexpr std::size_t fallbackStates = 15'000;

struct Candidate {
    LawId law;
    Tree part;
    Tree replacement; // what the law puts in place of the part
    Tree formula;
    std::size_t size;
};

Tree replacedAt(const Tree &tree, const std::vector<std::size_t> &path, std::size_t depth, const Tree &put) {
    if (depth == path.size())
        return put;
    std::vector<Tree> operands = tree->operands;
    operands[path[depth]] = replacedAt(operands[path[depth]], path, depth + 1, put);
    if (tree->op == Operator::And || tree->op == Operator::Or)
        return chainOf(tree->op, std::move(operands));
    return formulas::combination(tree->op, std::move(operands));
}

// Every law at every node, in the order of the nodes (outermost first) and
// of the table; reordering and regrouping are no step of a hint.
void collect(const Tree &whole, const Tree &node, std::vector<std::size_t> &path,
             std::vector<Candidate> &into) {
    for (Rewrite &rewrite : localRewrites(node, allLaws())) {
        if (rewrite.law == LawId::Commutative || rewrite.law == LawId::Associative)
            continue;
        Tree formula = flattened(replacedAt(whole, path, 0, rewrite.result));
        const std::size_t size = sizeOf(formula);
        into.push_back({rewrite.law, node, rewrite.result, std::move(formula), size});
    }
    for (std::size_t i = 0; i < node->operands.size(); ++i) {
        path.push_back(i);
        collect(whole, node->operands[i], path, into);
        path.pop_back();
    }
}

bool removesDefinition(const Candidate &step) {
    return (step.law == LawId::XorDefinition && step.part->op == Operator::Xor) ||
           (step.law == LawId::ImplicationDefinition && step.part->op == Operator::Implies) ||
           (step.law == LawId::EquivalenceDefinition && step.part->op == Operator::Equivalent);
}

bool bringsNegationInward(const Candidate &step) {
    if (step.part->op != Operator::Not)
        return false;
    const Operator inner = step.part->operands[0]->op;
    return (step.law == LawId::DoubleNegation && inner == Operator::Not) ||
           step.law == LawId::ConstantNegation ||
           (step.law == LawId::DeMorgan && (inner == Operator::And || inner == Operator::Or));
}

// Negations over anything but a letter: De Morgan on !(A ^ B ^ C) goes
// all the way in at once rather than leave !(B ^ C).
std::size_t negationsOutside(const Tree &tree) {
    std::size_t count = tree->op == Operator::Not && tree->operands[0]->op != Operator::Variable;
    for (const Tree &operand : tree->operands)
        count += negationsOutside(operand);
    return count;
}

// A product over a sum spread into a sum of products.
bool distributesTowardsSum(const Candidate &step) {
    if (step.law != LawId::Distributive || step.part->op != Operator::And)
        return false;
    for (const Tree &operand : step.part->operands)
        if (operand->op == Operator::Or)
            return true;
    return false;
}

// The teacher's next step from `formula`, never to a formula in `seen`.
std::optional<Candidate> teachersStep(const Tree &formula, const std::unordered_set<std::string> &seen) {
    std::vector<Candidate> all;
    std::vector<std::size_t> path;
    collect(formula, formula, path, all);
    std::vector<Candidate> fresh;
    for (Candidate &step : all)
        if (!seen.count(acKey(step.formula)))
            fresh.push_back(std::move(step));
    const auto first = [&](auto wanted) -> std::optional<Candidate> {
        for (const Candidate &step : fresh)
            if (wanted(step))
                return step;
        return std::nullopt;
    };
    if (auto step = first(removesDefinition))
        return step;
    std::optional<Candidate> inward;
    std::size_t inwardLeft = 0;
    for (const Candidate &step : fresh) {
        if (!bringsNegationInward(step))
            continue;
        const std::size_t left = negationsOutside(step.formula);
        if (!inward || left < inwardLeft || (left == inwardLeft && step.size < inward->size)) {
            inward = step;
            inwardLeft = left;
        }
    }
    if (inward)
        return inward;
    const std::size_t now = sizeOf(formula);
    std::optional<Candidate> shortest;
    for (const Candidate &step : fresh)
        if (step.size < now && (!shortest || step.size < shortest->size))
            shortest = step;
    if (shortest)
        return shortest;
    std::optional<Candidate> spread;
    for (const Candidate &step : fresh)
        if (distributesTowardsSum(step) && (!spread || step.size < spread->size))
            spread = step;
    return spread;
}

struct Route {
    std::vector<Candidate> steps; // steps[i].formula is the (i+1)-th formula
};

// The teacher's steps from `start`, avoiding `avoid` and itself; stops where
// `stopAt` holds the formula reached, or where no step is left.
Route routeFrom(const Tree &start, std::unordered_set<std::string> seen,
                const std::unordered_map<std::string, std::size_t> *stopAt,
                const std::atomic<bool> *cancelled) {
    Route route;
    Tree now = start;
    seen.insert(acKey(now));
    for (std::size_t i = 0; i < routeSteps; ++i) {
        if (stopAt && stopAt->count(acKey(now)))
            break;
        if (cancelled && cancelled->load())
            break;
        std::optional<Candidate> step = teachersStep(now, seen);
        if (!step)
            break;
        seen.insert(acKey(step->formula));
        now = step->formula;
        route.steps.push_back(std::move(*step));
    }
    return route;
}

// The part of `formula` where `law` turns it into `into`: a node the law
// rewrites, or, for the law read right to left, what it put there when it
// turned `into` into `formula`.
Tree partTurning(const Tree &formula, const Tree &into, LawId law) {
    for (const bool forward : {true, false}) {
        const Tree &from = forward ? formula : into;
        const std::string wanted = acKey(forward ? into : formula);
        std::vector<Candidate> all;
        std::vector<std::size_t> path;
        collect(from, from, path, all);
        for (const Candidate &step : all)
            if (step.law == law && acKey(step.formula) == wanted)
                return forward ? step.part : step.replacement;
    }
    return nullptr;
}

std::optional<HintStep> fromRoutes(const Tree &last, const Tree &goal,
                                   const std::unordered_set<std::string> &inChain,
                                   const std::atomic<bool> *cancelled) {
    // The goal's own route, each formula by its place on it.
    const Route back = routeFrom(goal, {}, nullptr, cancelled);
    std::vector<Tree> backFormulas{goal};
    for (const Candidate &step : back.steps)
        backFormulas.push_back(step.formula);
    std::unordered_map<std::string, std::size_t> placeOnBack;
    for (std::size_t j = backFormulas.size(); j-- > 0;)
        placeOnBack[acKey(backFormulas[j])] = j;
    const Route forth = routeFrom(last, inChain, &placeOnBack, cancelled);
    const Tree reached = forth.steps.empty() ? last : forth.steps.back().formula;
    const auto met = placeOnBack.find(acKey(reached));
    if (met == placeOnBack.end())
        return std::nullopt;
    if (!forth.steps.empty()) {
        const Candidate &step = forth.steps.front();
        return HintStep{step.law, step.part, step.formula};
    }
    // The last formula lies on the goal's route: one of its steps backwards.
    const std::size_t j = met->second;
    if (j == 0)
        return std::nullopt;
    const Tree &previous = backFormulas[j - 1];
    if (inChain.count(acKey(previous)))
        return std::nullopt;
    const Candidate &step = back.steps[j - 1];
    return HintStep{step.law, step.replacement, previous};
}

// The first step of a chain the search found, where it is new.
std::optional<HintStep> firstStepOf(const DeriveResult &found, const Tree &last,
                                    const std::unordered_set<std::string> &inChain) {
    if (found.outcome != DeriveOutcome::Found || found.derivation.steps.empty())
        return std::nullopt;
    const DerivationStep &first = found.derivation.steps.front();
    if (inChain.count(acKey(first.formula)))
        return std::nullopt;
    return HintStep{first.law, partTurning(last, first.formula, first.law), first.formula};
}

std::optional<HintStep> hintStep(const std::vector<Tree> &chain, const Tree &goal, bool minimalForm,
                                 const std::atomic<bool> *cancelled) {
    const Tree last = flattened(chain.back()), target = flattened(goal);
    if (acKey(last) == acKey(target) || counterexampleOf(last, target))
        return std::nullopt;
    std::unordered_set<std::string> inChain;
    for (const Tree &formula : chain)
        inChain.insert(acKey(formula));
    if (sizeOf(last) <= routeSymbols && sizeOf(target) <= routeSymbols)
        if (auto step = fromRoutes(last, target, inChain, cancelled))
            return step;
    // The routes part ways. Towards a minimal form, simplify's own route
    // always gets there; otherwise the first step of a derivation.
    if (minimalForm)
        if (auto step = firstStepOf(simplify(last), last, inChain))
            return step;
    SearchBounds bounds;
    bounds.maxStates = fallbackStates;
    bounds.cancelled = cancelled;
    return firstStepOf(derive(last, target, allLaws(), bounds), last, inChain);
}

} // namespace

std::optional<HintStep> nextHintStep(const std::vector<Tree> &chain, const Tree &goal,
                                     const std::atomic<bool> *cancelled) {
    return hintStep(chain, goal, false, cancelled);
}

std::optional<HintStep> nextHintStepToMinimalForm(const std::vector<Tree> &chain,
                                                  const std::atomic<bool> *cancelled) {
    return hintStep(chain, minimalSumOfProducts(chain.front()), true, cancelled);
}

} // namespace derivations
