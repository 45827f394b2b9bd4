// Placeholder until these rows are proved.

#include "laws.h"

namespace provers {

void Law17(const FormValues &, ProofText &) {}
void Law18(const FormValues &, ProofText &) {}
void Law19(const FormValues &, ProofText &) {}
void Law20(const FormValues &, ProofText &) {}
void Law21(const FormValues &, ProofText &) {}

} // namespace provers
