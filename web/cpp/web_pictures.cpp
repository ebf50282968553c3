#include "web_pictures.h"

#include <algorithm>

namespace xvexo::web {

namespace {

std::string Upper(std::string Name) {
    std::transform(Name.begin(), Name.end(), Name.begin(),
                   [](char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C; });
    return Name;
}

}  // namespace

int TWebPictureSet::Add(const std::string& Name, int W, int H) {
    const int Id = static_cast<int>(Entries.size());
    return Entries.try_emplace(Upper(Name), TEntry{Id, W, H}).first->second.Id;
}

std::unique_ptr<TImage> TWebPictureSet::Load(const std::string& Name) {
    const auto It = Entries.find(Upper(Name));
    if (It == Entries.end()) throw TResourceNotFound(Name);
    return std::make_unique<TWebPicture>(It->second.Id, It->second.W, It->second.H);
}

}  // namespace xvexo::web
