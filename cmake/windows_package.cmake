# Windows packaging
