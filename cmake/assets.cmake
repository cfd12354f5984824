# Placeholder until the embedded assets exist: an empty catalogue library.
add_library(raketa_catalogue INTERFACE)
