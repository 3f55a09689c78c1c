// SPDX-License-Identifier: MIT
// The library is its resource, tessaly_en.qm; this is the one source a library must have.
