#include "platform/ddr/ddr_Model.h"

ddr_Model::ddr_Model() : extensions_(mdl_ExtensionSubject<ddr_Model>::CreateExtensions()) {}

ddr_Model::ddr_Model(ddr_Model const& other) {
    for (auto const& [key, extension] : other.extensions_)
        extensions_.emplace(key, std::unique_ptr<mdl_Extension>(extension->Copy()));
}

ddr_Model& ddr_Model::operator=(ddr_Model const& other) {
    if (this != &other) *this = ddr_Model(other);
    return *this;
}

ddr_Model::~ddr_Model() = default;

cow_List<cow_String> ddr_Model::ExtensionKeys() const {
    cow_List<cow_String> keys;
    for (auto const& [key, extension] : extensions_) keys.push_back(key);
    return keys;
}

mdl_Extension& ddr_Model::GetExtension(cow_String const& key) {
    auto it = extensions_.find(key);
    if (it == extensions_.end()) throw omu_KeyErrorException(key);
    return *it->second;
}

mdl_Extension const& ddr_Model::GetExtension(cow_String const& key) const {
    return const_cast<ddr_Model&>(*this).GetExtension(key);
}
