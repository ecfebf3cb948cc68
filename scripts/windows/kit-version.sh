# The Windows kit's version: Qt's, then a number raised whenever build-kit.sh builds it otherwise,
# so that a changed recipe never meets an old kit in the cache.
# CMakePresets.json names the same folder in the windows preset: change both together.
OREBELL_KIT_VERSION=6.4.2-1
