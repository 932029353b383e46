/* A caller that only needs the public header to compile as C99 and link. */
#include <draftlift/draftlift.h>
#include <stdio.h>

int main(void) {
    KSDKHandle none = 0;
    printf("handle size %u\n", (unsigned)sizeof none);
    return none == 0 ? 0 : 1;
}
