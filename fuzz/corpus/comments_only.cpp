// only a comment
#include <none>
/* block */
