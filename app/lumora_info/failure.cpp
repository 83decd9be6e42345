#include "app/lumora_info/failure.h"

#include <cstdio>

#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/file_names.h"
#include "app/lumora_info/output.h"
#include "app/lumora_info/writer.h"

void ReportFailure(const Failure& failure) {
    const std::string where = failure.path ? EscapedName(*failure.path) + ": " : "";
    std::fprintf(stderr, "lumora_info: %s%s\n", where.c_str(),
                 failure.reason ? failure.reason->c_str() : failure.error.c_str());
}

int EndWithFailure(const Writer& writer, const Failure& failure, Output& out) {
    out.Write(writer.failure(failure));
    if (!out.Finish()) return kExitFailed;
    ReportFailure(failure);
    return kExitFailed;
}
