#include "velnorapp.h"

int main(int argc, char** argv) {
    CVelnorApp app(argc, argv);
    return app.Run();
}
