#pragma once
// Writing Lottie JSON in the form rlottie reads.
//
// rlottie's parser reads a shape item's "ty" before its other keys and misreads shapes
// where it comes later; QJsonDocument writes keys in sorted order. This writer puts "ty"
// first in every object and keeps the other keys sorted.

#include <QByteArray>
#include <QJsonObject>

QByteArray SerializeLottie(const QJsonObject& movie);
