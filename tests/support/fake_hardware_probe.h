// A hardware probe with answers set by the test, installed in the class registry for one scope.
#pragma once

#include <map>
#include <string>

#include "platform/class_ids.h"
#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/hardware_probe.h"

namespace lumora::testing {

struct FakeHardwareAnswers {
    std::map<std::string, HardwareProbeAnswer> devices;   // by device type; missing: E_INVALIDARG
    std::map<std::string, HardwareProbeAnswer> encoders;  // by name; missing: S_FALSE (software)
};

class FakeHardwareProbe : public ComObject<IHardwareProbe> {
public:
    explicit FakeHardwareProbe(const FakeHardwareAnswers& answers) : answers_(answers) {}

    HRESULT ProbeDecoding(const std::string&, int, const std::string& type,
                          HardwareProbeAnswer* answer) override {
        const auto found = answers_.devices.find(type);
        if (found == answers_.devices.end()) return E_INVALIDARG;
        *answer = found->second;
        return S_OK;
    }
    HRESULT ProbeEncoder(const std::string& name, HardwareProbeAnswer* answer) override {
        const auto found = answers_.encoders.find(name);
        if (found == answers_.encoders.end()) return S_FALSE;
        *answer = found->second;
        return S_OK;
    }

private:
    const FakeHardwareAnswers& answers_;
};

class ScopedFakeHardwareProbe {
public:
    explicit ScopedFakeHardwareProbe(const FakeHardwareAnswers& answers)
        : override_(CLSID_HardwareProbe, [&answers](const IID& iid, void** out) {
              return CreateComObject<FakeHardwareProbe>(iid, out, answers);
          }) {}

private:
    ScopedClassOverride override_;
};

}  // namespace lumora::testing
