// Placeholder until these rows are proved.

#include "laws.h"

namespace provers {

void Law7(const FormValues &, ProofText &) {}
void Law8(const FormValues &, ProofText &) {}
void Law9(const FormValues &, ProofText &) {}
void Law10(const FormValues &, ProofText &) {}
void Law11(const FormValues &, ProofText &) {}
void Law12(const FormValues &, ProofText &) {}

} // namespace provers
