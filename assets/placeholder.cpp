// Keeps the asset library non-empty until resources are added.
namespace zelvan { int assetsLibraryAnchor = 0; }
