// The compiled-in resources of the program (":/res/..."): their data comes from
// qt_add_resources; this unit only gives the library a body.
namespace xvexo {}
